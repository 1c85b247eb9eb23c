// One Tavrin a session, and a word from a later start to the running one.
// The running program holds the mutex "Local\Tavrin.Instance" and a
// message-only window of the class "TavrinInstance". A later start, or
// another program such as an installer, finds that window and sends it
// WM_COPYDATA: dwData kRequestTag, the data a command in ASCII without a
// closing NUL ("show-settings", "quit"). The window runs the command on the
// program's thread and answers TRUE, or FALSE for a command it does not
// know, so that newer commands reach older programs harmlessly.
#pragma once

#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

#include "platform/window_system.h"

#include <functional>

namespace tavrin::win32 {

class Win32Desktop;

class InstanceChannel : private MessageTarget {
  public:
    static constexpr ULONG_PTR kRequestTag = 0x54617672; // "Tavr"

    explicit InstanceChannel(Win32Desktop& desktop) : desktop_(desktop) {}
    ~InstanceChannel();
    InstanceChannel(const InstanceChannel&) = delete;
    InstanceChannel& operator=(const InstanceChannel&) = delete;

    // WindowSystem::claimOnlyInstance and askRunningInstance.
    bool claim(std::function<void(InstanceRequest)> onRequest);
    static InstanceAnswer ask(InstanceRequest request);
    // The program ends: a start from now on claims the session anew.
    void release();

  private:
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    WindowSystem& windowSystem() const override;

    Win32Desktop& desktop_;
    UniqueKernelObject mutex_;
    UniqueWindow window_;
    std::function<void(InstanceRequest)> onRequest_;
};

} // namespace tavrin::win32
