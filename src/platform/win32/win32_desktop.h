// The real window system: the forms' windows and their controls on the
// Windows desktop, and the system services behind the rest of the
// interface. One instance lives for the whole program, on its one
// user-interface thread.
#pragma once

#include "platform/win32/brush_cache.h"
#include "platform/win32/dispatcher.h"
#include "platform/win32/display_watch.h"
#include "platform/win32/file_services.h"
#include "platform/win32/instance_channel.h"
#include "platform/win32/shell_launcher.h"
#include "platform/win32/system_services.h"
#include "platform/win32/text/text_painter.h"

#include "platform/window_system.h"

#include <vector>

namespace tavrin::win32 {

class FormHost;

class Win32Desktop : public WindowSystem {
  public:
    Win32Desktop();
    ~Win32Desktop() override;

    Dispatcher& dispatcher() { return dispatcher_; }
    TextPainter& painter() { return painter_; }
    BrushCache& brushes() { return brushes_; }
    // After endProgram() no handler of the program runs any more.
    bool ended() const { return ended_; }

    // One message of the thread's queue: the keys a dialog handles itself
    // (Tab and Shift+Tab between a form's controls) first, then the
    // message's own window.
    void handleMessage(MSG& message);
    // Waits for the next message or change of the screen and handles it;
    // false once the thread's queue says quit.
    bool waitAndHandle();
    // The screen changed: every form hears of it.
    void displayChanged();
    // The control that has the keyboard focus, if it is one of ours.
    Control* focusedControl() const;

    // The form windows now open, for endProgram() to hide them.
    void enlist(FormHost& host);
    void strike(FormHost& host);

    std::unique_ptr<FormPeer> createWindow(Form& form) override;
    void retire(std::unique_ptr<Form> form) override;
    void endProgram() override;
    void handlerEscaped(const char* what) noexcept override;
    // Handlers whose failure was stopped where the window system called them.
    std::size_t escapedHandlers() const { return escaped_; }
    TextExtent measureText(const Font& font, const std::string& text) override;
    Color windowColor() const override { return static_cast<Color>(GetSysColor(COLOR_WINDOW)); }

    Twips screenWidth() const override { return services_.screenWidth(); }
    Twips screenHeight() const override { return services_.screenHeight(); }
    PixelScale screenScale() const override { return services_.screenScale(); }
    bool getCursorPos(Point& p) override { return services_.getCursorPos(p); }
    long getWindowLong(WindowHandle window, int index) override {
        return services_.getWindowLong(window, index);
    }
    long setWindowLong(WindowHandle window, int index, long value) override {
        return services_.setWindowLong(window, index, value);
    }
    bool setLayeredWindowAttributes(WindowHandle window, Color key, std::uint8_t alpha,
                                    std::uint32_t flags) override {
        return services_.setLayeredWindowAttributes(window, key, alpha, flags);
    }
    bool setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override {
        return services_.setWindowPos(window, insertAfter, x, y, cx, cy, flags);
    }
    bool shellExecute(WindowHandle owner, const std::optional<std::string>& verb,
                      const std::string& file, const std::optional<std::string>& parameters,
                      const std::optional<std::string>& directory, int showCommand,
                      std::function<void(ShellResult)> answered) override {
        return shell_.open(owner, verb, file, parameters, directory, showCommand,
                           std::move(answered));
    }
    void shellAbout(WindowHandle owner, const std::string& app,
                    const std::string& otherStuff) override {
        services_.shellAbout(owner, app, otherStuff);
    }
    void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) override;
    bool getUserName(std::string& buffer) override { return services_.getUserName(buffer); }
    bool claimOnlyInstance(std::function<void(InstanceRequest)> onRequest) override {
        return channel_.claim(std::move(onRequest));
    }
    InstanceAnswer askRunningInstance(InstanceRequest request) override {
        return InstanceChannel::ask(request);
    }
    long long steadyMilliseconds() const override { return services_.steadyMilliseconds(); }
    std::optional<std::string> knownFolder(KnownFolder folder) const override {
        return files_.knownFolder(folder);
    }
    LocalTime now() const override { return services_.now(); }
    std::string longDate() const override { return services_.longDate(); }
    std::string settingsFilePath() const override { return files_.settingsFilePath(); }
    std::optional<std::string> localAppDataFolder() const override {
        return files_.localAppDataFolder();
    }
    bool fileExists(const std::string& path) override { return files_.fileExists(path); }
    std::unique_ptr<FileReader> openFile(const std::string& path) override {
        return files_.openFile(path);
    }
    bool createFolders(const std::string& folder) override { return files_.createFolders(folder); }
    WriteResult writeFileReplacing(const std::string& path, const std::string& bytes) override {
        return files_.writeFileReplacing(path, bytes);
    }
    std::optional<std::string> shortPath(const std::string& path) override {
        return files_.shortPath(path);
    }
    std::string ansiFromUtf8(const std::string& utf8) const override {
        return services_.ansiFromUtf8(utf8);
    }
    std::string utf8FromAnsi(const std::string& ansi) const override {
        return services_.utf8FromAnsi(ansi);
    }
    bool fitsAnsi(const std::string& utf8) const override { return services_.fitsAnsi(utf8); }

  private:
    // The form window that holds this window, if it is one of ours.
    FormHost* hostOf(HWND window) const;

    SystemServices services_;
    FileServices files_;
    TextPainter painter_;
    BrushCache brushes_;
    std::vector<FormHost*> hosts_;
    bool ended_ = false;
    DisplayWatch displayWatch_;
    InstanceChannel channel_{*this};
    ShellLauncher shell_{*this};
    std::size_t escaped_ = 0;
    // Last: forms and windows still kept for a running handler go first.
    Dispatcher dispatcher_;
};

} // namespace tavrin::win32
