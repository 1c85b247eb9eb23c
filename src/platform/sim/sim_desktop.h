// The simulated desktop: an in-memory window system with virtual time.
// A test sets the screen, cursor, clock, locale, user and the folders that
// stand for "C:\Program Files" and the user's local application data,
// advances time so that timers fire in due order, injects input on controls
// and reads back what the program did.
#pragma once

#include "../window_system.h"
#include "file_store.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tavrin {
class CheckBox;
class ComboBox;
class Control;
class TextBox;
class Timer;
class Tripwire;
} // namespace tavrin

namespace tavrin::sim {

struct WindowRecord {
    WindowHandle handle = 0;
    Form* form = nullptr; // null once destroyed
    bool alive = true;
    bool visible = false;
    long exStyle = 0;
    std::optional<std::uint8_t> alpha; // set by SetLayeredWindowAttributes
    bool topmost = false;
    // Later raised windows lie above earlier ones of the same band.
    long long raised = 0;
    // Times a bordered form came to the front with the focus.
    int activations = 0;
};

struct ShellCall {
    WindowHandle owner = 0;
    std::optional<std::string> verb;
    std::string file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    int showCommand = 0;
    ShellResult result = 0; // what the shell answered
};

struct MessageBoxCall {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Critical;
};

struct AboutCall {
    WindowHandle owner = 0;
    std::string app;
    std::string otherStuff;
};

class SimDesktop : public WindowSystem {
  public:
    // A 1366 x 768 pixel screen at 96 dpi, the cursor in its middle, Sunday
    // 6 December 2026 12:00:00, the user "invitado" and, in memory, empty
    // folders "C:\Program Files", "C:\Users\invitado\AppData\Local"
    // (the local application data folder) and the user's known folders
    // "C:\Users\invitado" and its "Documents", "Pictures", "Music" and
    // "Videos".
    SimDesktop();
    ~SimDesktop() override;

    // --- Setting the scene ---
    void setScreenTwips(Twips width, Twips height);
    // At the screen's DPI.
    void setScreenPixels(int width, int height);
    // The screen keeps its pixels, which become more twips or fewer; every
    // window hears of it, as of a new screen.
    void setDpi(int dpi);
    void setCursor(long x, long y);
    void setCursorFails(bool fails);
    // No thread can be started for the shell: an open fails before the
    // shell sees it. Otherwise the shell opens what is on the disk and
    // answers 2 (file not found) for anything else, as Windows does.
    void setShellUnreachable(bool unreachable);
    // The system's window background colour; white unless set.
    void setWindowColor(Color color);
    // The clock then runs on with virtual time.
    void setNow(const LocalTime& time);
    // Overrides the long date; by default it is the Spanish long date of
    // the virtual clock ("domingo, 6 de diciembre de 2026").
    void setLongDate(std::optional<std::string> text);
    // Nothing makes the call fail.
    void setUserName(std::optional<std::string> name);
    // The disk, which the program reaches only in those two folders; the
    // test sets and reads files here past every fault below.
    FileStore& files() { return files_; }
    // The system cannot tell where the local application data folder is.
    void setLocalAppDataUnknown(bool unknown);
    // Where the shell says the user's folder lies; nothing: it cannot tell.
    // The folder is not made on the disk.
    void setKnownFolder(KnownFolder folder, std::optional<std::string> path);
    // The short (8.3) path of a file or folder, from when it is there.
    void setShortPath(const std::string& path, const std::string& shortPath);

    // --- Faults ---
    // Reading fails as for a locked file.
    void setReadLocked(bool locked);
    // Writing into "C:\Program Files" is refused before anything is
    // touched, with access denied, as Windows refuses it to a program
    // without elevation.
    void setWriteProtected(bool writeProtected);
    // The same for the local application data folder: writing a file or
    // creating a folder in it is refused.
    void setLocalAppDataWriteProtected(bool writeProtected);
    // The next writes fail (not for want of access) once this many bytes
    // of the new content reached the disk (nothing: writes succeed).
    void failWritesAfter(std::optional<std::size_t> bytes);

    // --- Time ---
    // Moves virtual time on: the shell's answers come first, then every
    // timer that falls due fires, in order of due time (ties in the order
    // they were armed). No timer ticks more
    // often than every 10 ms, as on Windows.
    void advance(int milliseconds);
    long long elapsed() const { return elapsedMs_; }
    // Timers then tick only on the system's clock ticks, this far apart: at
    // the first tick at or after they fall due, as Windows runs them at its
    // default 15.625 ms. 0, the default, ticks them exactly when due.
    void setTimerGranularity(double milliseconds);
    // A message box the program opens stays open while this much virtual
    // time passes, or until closeWhen holds (checked every 10 ms), and the
    // user then presses OK; timers tick meanwhile, as they do under a
    // real modal box. By default a box is answered at once.
    void keepMessageBoxesOpen(int milliseconds, std::function<bool()> closeWhen = {});

    // --- Input; ignored once the program has ended or the target's form
    // is unloaded. ---
    void mouseMove(Control& target, MouseArgs args = {});
    void mouseDown(Control& target, MouseArgs args = {});
    void mouseUp(Control& target, MouseArgs args = {});
    // MouseDown, MouseUp, Click (on a check box the value toggles first, on
    // a text box it takes the focus).
    void click(Control& target, int button = kLeftButton);
    // MouseDown, MouseUp, Click, DblClick, MouseUp; on a check box or a push
    // button, two clicks.
    void dblClick(Control& target);
    // The form's own surface.
    void mouseMove(Form& target, MouseArgs args = {});
    void dblClick(Form& target);
    // One character (a Unicode code point; 8 is backspace) typed into a
    // text box at its caret: KeyPress first, which may replace or consume
    // it; the box honours its maximum length.
    void typeKey(TextBox& target, int key);
    void typeText(TextBox& target, const std::string& utf8);
    // The user picks an item of a drop-down list.
    void pickItem(ComboBox& target, int index);
    // Keys a text box handles itself, at its caret.
    enum class EditKey { Delete, Left, Right, Home, End };
    void pressKey(TextBox& target, EditKey key);
    // The keyboard focus: a click on a control that takes it puts it there;
    // Tab (Shift+Tab) moves it on (back) through the form's tab stops.
    void setFocus(Control& target);
    Control* focusedControl() const;
    void pressTab(Form& form, bool backwards = false);
    // The form's close box, and Alt+F4 while the form is active.
    void clickCloseBox(Form& target);
    void pressAltF4(Form& target);

    // --- What the program did ---
    const WindowRecord* window(WindowHandle handle) const;
    const WindowRecord* windowOf(const Form& form) const;
    int liveWindows() const;
    // The window of the program's that the mouse on the screen pixel
    // reaches: the shown one on top there that takes the mouse (a
    // topmost one before the others); 0 when the mouse reaches none.
    WindowHandle windowAt(Point pixel) const;
    const std::vector<ShellCall>& shellCalls() const { return shellCalls_; }
    const std::vector<MessageBoxCall>& messageBoxes() const { return messageBoxes_; }
    const std::vector<AboutCall>& aboutBoxes() const { return aboutBoxes_; }
    bool ended() const { return ended_; }
    // Timers now counting down.
    int runningTimers() const;
    // The pixels the armed tripwires lie on.
    std::vector<Point> tripwirePixels() const;
    // What escaped the program's handlers and was stopped there.
    const std::vector<std::string>& escapedHandlers() const { return escaped_; }
    // The whole file, read as the program would; nothing when it cannot be.
    std::optional<std::string> readFile(const std::string& path);

    // --- WindowSystem ---
    std::unique_ptr<FormPeer> createWindow(Form& form) override;
    void retire(std::unique_ptr<Form> form) override;
    void endProgram() override;
    void handlerEscaped(const char* what) noexcept override;
    // Every character is half an em wide and a line is 1.25 em high, in
    // whole pixels of the screen's DPI: the same figures on every machine.
    TextExtent measureText(const Font& font, const std::string& text) override;
    Color windowColor() const override { return windowColor_; }
    Twips screenWidth() const override { return screenWidth_; }
    Twips screenHeight() const override { return screenHeight_; }
    PixelScale screenScale() const override { return scale_; }
    bool getCursorPos(Point& p) override;
    long getWindowLong(WindowHandle window, int index) override;
    long setWindowLong(WindowHandle window, int index, long value) override;
    bool setLayeredWindowAttributes(WindowHandle window, Color key, std::uint8_t alpha,
                                    std::uint32_t flags) override;
    bool setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;
    bool shellExecute(WindowHandle owner, const std::optional<std::string>& verb,
                      const std::string& file, const std::optional<std::string>& parameters,
                      const std::optional<std::string>& directory, int showCommand,
                      std::function<void(ShellResult)> answered) override;
    void shellAbout(WindowHandle owner, const std::string& app,
                    const std::string& otherStuff) override;
    void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) override;
    bool getUserName(std::string& buffer) override;
    // A second program on the same desktop finds the first, as a second
    // start of Tavrin.exe in the same session would.
    bool claimOnlyInstance(std::function<void(InstanceRequest)> onRequest) override;
    InstanceAnswer askRunningInstance(InstanceRequest request) override;
    // Virtual time.
    long long steadyMilliseconds() const override { return elapsedMs_; }
    std::optional<std::string> knownFolder(KnownFolder folder) const override;
    LocalTime now() const override;
    std::string longDate() const override;
    std::string settingsFilePath() const override;
    std::optional<std::string> localAppDataFolder() const override;
    bool fileExists(const std::string& path) override;
    std::unique_ptr<FileReader> openFile(const std::string& path) override;
    bool createFolders(const std::string& folder) override;
    WriteResult writeFileReplacing(const std::string& path, const std::string& bytes) override;
    std::optional<std::string> shortPath(const std::string& path) override;
    std::string ansiFromUtf8(const std::string& utf8) const override;
    std::string utf8FromAnsi(const std::string& ansi) const override;
    bool fitsAnsi(const std::string& utf8) const override;

  private:
    class FormPeerImpl;
    class TimerPeer;
    class TripwirePeer;
    struct ArmedTimer {
        Timer* timer;
        long long due;
        long long sequence;
    };
    class Dispatch; // counts nested event handling; frees retired forms at the end
    template <class Handler> void deliver(Handler&& handler);

    // Every window hears that the screen changed, as WM_DISPLAYCHANGE and
    // WM_DPICHANGED tell them on Windows.
    void tellDisplayChange();
    // The control's form is loaded and the program runs.
    bool accepts(const Control& target) const;
    // ... and the user can reach it: it and its frames are visible and enabled.
    bool reachable(const Control& target) const;
    // ... and the mouse there reaches it: its form does not let it through.
    bool mouseReaches(const Control& target) const;
    // The two folders and the known folders, empty.
    void layOutFolders();
    // The shell's answers not yet handed to the program, as events.
    void deliverShellAnswers();
    // Whether writing at the path is refused; nothing when the path lies
    // outside the two folders, where the program can reach nothing.
    std::optional<bool> writeProtection(const std::string& windowsPath) const;
    // A tripwire armed where the cursor is gets touched, as the cursor's
    // arrival or a window appearing under it would on Windows; once no
    // handler runs, or when time moves on.
    void checkTripwires();
    // Gives the keyboard focus to the control.
    void moveFocus(Control* target);
    void arm(Timer& timer);
    void disarm(Timer& timer);
    // When a timer due at that moment ticks.
    long long tickTime(long long due) const;

    PixelScale scale_;
    Twips screenWidth_ = scale_.twips(1366);
    Twips screenHeight_ = scale_.twips(768);
    Point cursor_{683, 384};
    bool cursorFails_ = false;
    bool shellUnreachable_ = false;
    Color windowColor_ = rgb(255, 255, 255);
    long long baseSeconds_ = 0; // local time at elapsed 0, seconds since 1970
    long long elapsedMs_ = 0;
    double timerGranularityMs_ = 0;
    // The handler of the program that claimed the desktop's one place.
    std::function<void(InstanceRequest)> runningInstance_;
    std::optional<std::string> longDate_;
    std::optional<std::string> userName_ = std::string("invitado");
    FileStore files_;
    bool readLocked_ = false;
    bool writeProtected_ = false;
    std::optional<std::size_t> failWritesAfter_;
    bool localAppDataUnknown_ = false;
    bool localAppDataWriteProtected_ = false;
    std::map<KnownFolder, std::optional<std::string>> knownFolders_;
    // By the path in lower case.
    std::map<std::string, std::string> shortPaths_;

    std::map<WindowHandle, WindowRecord> windows_;
    WindowHandle nextHandle_ = 0x10010;
    long long raises_ = 0;
    std::vector<ArmedTimer> armed_;
    std::vector<Tripwire*> tripwires_; // of the loaded forms
    long long nextSequence_ = 0;
    std::vector<std::unique_ptr<Form>> retired_;
    int dispatchDepth_ = 0;
    bool ended_ = false;

    std::vector<ShellCall> shellCalls_;
    std::vector<std::function<void()>> shellAnswers_;
    std::vector<MessageBoxCall> messageBoxes_;
    std::vector<AboutCall> aboutBoxes_;
    std::vector<std::string> escaped_;
    int messageBoxOpenMs_ = 0;
    std::function<bool()> messageBoxCloseWhen_;
    Control* focused_ = nullptr;
    // The control of each form that had the focus when it went elsewhere.
    std::map<const Form*, Control*> lastFocus_;
};

} // namespace tavrin::sim
