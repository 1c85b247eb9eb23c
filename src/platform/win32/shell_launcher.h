// Opens files and folders through the shell, each on a thread of its own:
// the shell may take tens of seconds (a network share that does not
// answer), and the program's one thread must go on meanwhile. A thread gets
// a copy of everything it needs and touches nothing of the program; the
// shell's answer comes back as a message to a message-only window of the
// user-interface thread, which hands it to whoever asked.
#pragma once

#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

#include "platform/window_system.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace tavrin::win32 {

class Win32Desktop;

class ShellLauncher : private MessageTarget {
  public:
    explicit ShellLauncher(Win32Desktop& desktop) : desktop_(desktop) {}
    ~ShellLauncher();
    ShellLauncher(const ShellLauncher&) = delete;
    ShellLauncher& operator=(const ShellLauncher&) = delete;

    // As WindowSystem::shellExecute. An answer that arrives after the
    // launcher is gone is dropped.
    bool open(WindowHandle owner, const std::optional<std::string>& verb, const std::string& file,
              const std::optional<std::string>& parameters,
              const std::optional<std::string>& directory, int showCommand,
              std::function<void(ShellResult)> answered);

  private:
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    WindowSystem& windowSystem() const override;
    // The window the answers come to, made on first use; null when it
    // cannot be made.
    HWND answerWindow();

    Win32Desktop& desktop_;
    UniqueWindow answerWindow_;
    // Who waits for which answer, by ticket.
    std::map<WPARAM, std::function<void(ShellResult)>> waiting_;
    WPARAM nextTicket_ = 1;
};

} // namespace tavrin::win32
