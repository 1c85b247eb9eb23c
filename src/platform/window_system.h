// The window system the forms run on: windows and their controls, timers,
// the screen, the cursor, the shell, message boxes, the clock and locale,
// the user's name and files. Two implementations: the simulated desktop
// the tests drive, and the real Win32 one.
#pragma once

#include "file_reader.h"
#include "form.h"
#include "pixel_edges.h"
#include "types.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrin {

// The user32 values the forms pass through.
inline constexpr int kGwlExStyle = -20;
inline constexpr long kWsExLayered = 0x80000;
inline constexpr std::uint32_t kLwaAlpha = 2;
inline constexpr WindowHandle kHwndTopmost = -1;
inline constexpr unsigned kSwpNoSize = 1;
inline constexpr unsigned kSwpNoMove = 2;
inline constexpr int kSwShowNormal = 1;

enum class MessageIcon { Critical };

// The size of a line of text as a label shows it.
struct TextExtent {
    Twips width = 0;
    Twips height = 0;
};

// How a write ended. Access denied is told apart from other failures: it
// is what Windows answers a program without elevation that writes to
// "C:\Program Files".
enum class WriteResult { Written, AccessDenied, Failed };

// What a later start of the program asks of the one already running in
// the user's session.
enum class InstanceRequest {
    // Bring up the settings window, so that the user sees where it is.
    ShowSettings,
    // End as a double-click on the bar ends it, nothing saved: the
    // installer and the uninstaller replace or remove the program's files.
    Quit,
};

// How the program holding the session's place took a request.
enum class InstanceAnswer {
    // No program holds the place.
    NoneRunning,
    // It took the request; a Quit has ended its process.
    Done,
    // It refused the request (an older program), did not answer in time,
    // or, asked to quit, still runs.
    Refused,
};
// The user's folders as the shell knows them (SHGetKnownFolderPath): they
// may lie anywhere, redirected to OneDrive or on another drive.
enum class KnownFolder { Profile, Documents, Pictures, Music, Videos };

// What the shell answered an open: above 32 it opened, else an error code.
using ShellResult = std::intptr_t;

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // Windows. The peer it returns owns the real window and the peers of
    // every control in the form's tree; destroying it destroys them all.
    virtual std::unique_ptr<FormPeer> createWindow(Form& form) = 0;
    // Keeps an unloaded form alive until the event being handled returns,
    // so that a form may unload itself from inside its own handler.
    virtual void retire(std::unique_ptr<Form> form) = 0;
    // Ends the program: every window closes, no further handler runs.
    virtual void endProgram() = 0;
    // Something escaped a handler of the program and was stopped where the
    // window system called it; the program goes on.
    virtual void handlerEscaped(const char* what) noexcept = 0;

    // The size of one line of text in a font, for labels that fit their text.
    virtual TextExtent measureText(const Font& font, const std::string& text) = 0;
    // The system's colour for window backgrounds (COLOR_WINDOW), as the
    // user's settings have it now.
    virtual Color windowColor() const = 0;

    // Screen size in twips, read anew at each call: the screen's pixels at
    // the primary monitor's scale.
    virtual Twips screenWidth() const = 0;
    virtual Twips screenHeight() const = 0;
    // The primary monitor's DPI, whose pixels the screen's size and the
    // cursor count in; read anew at each call.
    virtual PixelScale screenScale() const = 0;
    // Cursor in screen pixels; false (and p untouched) when the query fails.
    virtual bool getCursorPos(Point& p) = 0;

    virtual long getWindowLong(WindowHandle window, int index) = 0;
    virtual long setWindowLong(WindowHandle window, int index, long value) = 0;
    virtual bool setLayeredWindowAttributes(WindowHandle window, Color key, std::uint8_t alpha,
                                            std::uint32_t flags) = 0;
    virtual bool setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                              int cy, unsigned flags) = 0;

    // Shell: open a file or folder (a missing verb means the default
    // action), and the standard About box. Text is UTF-8. The open runs on
    // a thread of its own and this returns at once: a shell that takes its
    // time (an unreachable network share) holds up no window or timer.
    // False when it could not be started at all. The shell's answer, when
    // asked for, comes to `answered` later on this thread, as an event.
    virtual bool shellExecute(WindowHandle owner, const std::optional<std::string>& verb,
                              const std::string& file, const std::optional<std::string>& parameters,
                              const std::optional<std::string>& directory, int showCommand,
                              std::function<void(ShellResult)> answered = {}) = 0;
    virtual void shellAbout(WindowHandle owner, const std::string& app,
                            const std::string& otherStuff) = 0;
    // A modal message box with one OK button; returns once it is closed.
    virtual void messageBox(const std::string& text, const std::string& caption,
                            MessageIcon icon) = 0;

    // The signed-in user's name, written into the buffer as GetUserName
    // does: the name and a NUL over its start. False on failure, the buffer
    // then untouched.
    virtual bool getUserName(std::string& buffer) = 0;
    // The user's folder without a closing backslash; nothing when the shell
    // cannot tell it.
    virtual std::optional<std::string> knownFolder(KnownFolder folder) const = 0;

    // One program a session. The first start claims the session's place
    // and hears every later start's request through onRequest, as an event
    // on its own thread; false when another program holds the place (the
    // handler is then dropped).
    virtual bool claimOnlyInstance(std::function<void(InstanceRequest)> onRequest) = 0;
    // Hands the request to the program holding the place, waiting briefly
    // for one still starting, and for a Quit until its process has ended.
    virtual InstanceAnswer askRunningInstance(InstanceRequest request) = 0;

    // Milliseconds since some fixed moment, never going back and not
    // following changes of the wall clock.
    virtual long long steadyMilliseconds() const = 0;
    virtual LocalTime now() const = 0;
    // Today's date in the user's regional long date format.
    virtual std::string longDate() const = 0;

    // Files. Paths are Windows paths in UTF-8.
    // The settings file, "C:\Program Files\Norvane.txt" on Windows.
    virtual std::string settingsFilePath() const = 0;
    // The user's local application data folder (the LOCALAPPDATA known
    // folder), without a closing backslash; nothing when it is unknown.
    virtual std::optional<std::string> localAppDataFolder() const = 0;
    // A file (not a folder) is there.
    virtual bool fileExists(const std::string& path) = 0;
    // The file opened for reading from its start; null when it cannot be
    // opened. It closes when the reader is destroyed.
    virtual std::unique_ptr<FileReader> openFile(const std::string& path) = 0;
    // Creates the folder and every missing folder above it; true when the
    // folder is there afterwards.
    virtual bool createFolders(const std::string& folder) = 0;
    // Writes beside the file and replaces it in one step: on failure the
    // old file is exactly as it was. The folder must exist.
    virtual WriteResult writeFileReplacing(const std::string& path, const std::string& bytes) = 0;
    // The short (8.3) form of the path of a file or folder that is there;
    // nothing when it is not there or has no short form of its own.
    virtual std::optional<std::string> shortPath(const std::string& path) = 0;
    // Between the program's UTF-8 and the ANSI code page.
    virtual std::string ansiFromUtf8(const std::string& utf8) const = 0;
    virtual std::string utf8FromAnsi(const std::string& ansi) const = 0;
    // The ANSI code page holds every character of the text.
    virtual bool fitsAnsi(const std::string& utf8) const = 0;
};

} // namespace tavrin
