#include "platform/win32/instance_channel.h"

#include "platform/win32/win32_desktop.h"

#include <array>
#include <optional>
#include <string_view>

namespace tavrin::win32 {
namespace {

constexpr const wchar_t* kMutexName = L"Local\\Tavrin.Instance";
// The running program makes its window right after the mutex; a later
// start that finds the mutex but no window yet looks again, this long.
constexpr DWORD kFindWindowMs = 3000;
constexpr DWORD kFindWindowPauseMs = 20;
// A running program busy for longer than this does not hear the start.
constexpr UINT kAnswerMs = 5000;
// A program told to quit unwinds its windows and ends its process in well
// under a second; one that takes longer is taken to be stuck.
constexpr DWORD kEndMs = 10000;

// In the order of InstanceRequest.
constexpr std::array<std::string_view, 2> kCommands = {"show-settings", "quit"};

std::optional<InstanceRequest> requestFrom(std::string_view command) {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i] == command)
            return static_cast<InstanceRequest>(i);
    return std::nullopt;
}

HWND runningChannel() {
    const wchar_t* name = windowClassName(WindowClass::Channel);
    for (DWORD waited = 0;; waited += kFindWindowPauseMs) {
        if (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, name, nullptr))
            return window;
        if (waited >= kFindWindowMs)
            return nullptr;
        Sleep(kFindWindowPauseMs);
    }
}

} // namespace

InstanceChannel::~InstanceChannel() {
    if (window_)
        attachTarget(window_.get(), nullptr);
}

void InstanceChannel::release() {
    if (!window_)
        return;
    attachTarget(window_.get(), nullptr);
    // The request being handled may be the one that ends the program.
    desktop_.dispatcher().bury(std::move(window_));
    mutex_.reset();
}

bool InstanceChannel::claim(std::function<void(InstanceRequest)> onRequest) {
    UniqueKernelObject mutex(CreateMutexW(nullptr, FALSE, kMutexName));
    const DWORD error = GetLastError();
    // Another user's mutex in the session may refuse us access: it is taken.
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED)
        return false;
    // Without a mutex or a window the program still runs, alone or not.
    mutex_ = std::move(mutex);
    window_.reset(CreateWindowExW(0, windowClassName(WindowClass::Channel), L"", 0, 0, 0, 0, 0,
                                  HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (window_) {
        onRequest_ = std::move(onRequest);
        attachTarget(window_.get(), this);
        // An elevated program still hears a start without elevation.
        ChangeWindowMessageFilterEx(window_.get(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    }
    return true;
}

InstanceAnswer InstanceChannel::ask(InstanceRequest request) {
    // Without the mutex nothing runs: no need to wait for a window.
    const UniqueKernelObject held(OpenMutexW(SYNCHRONIZE, FALSE, kMutexName));
    if (!held && GetLastError() == ERROR_FILE_NOT_FOUND)
        return InstanceAnswer::NoneRunning;
    const HWND window = runningChannel();
    if (!window)
        return InstanceAnswer::Refused;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    UniqueKernelObject process;
    if (request == InstanceRequest::Quit)
        // Taken before asking, so that the process is still there to wait on.
        process.reset(OpenProcess(SYNCHRONIZE, FALSE, processId));
    else
        // This start came from the user: the running program may take the
        // foreground with the window it brings up.
        AllowSetForegroundWindow(processId);
    const std::string_view command = kCommands[static_cast<std::size_t>(request)];
    COPYDATASTRUCT data{kRequestTag, static_cast<DWORD>(command.size()),
                        const_cast<char*>(command.data())};
    DWORD_PTR answer = FALSE;
    if (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                            SMTO_ABORTIFHUNG, kAnswerMs, &answer) == 0 ||
        answer != TRUE)
        return InstanceAnswer::Refused;
    // Its files are free only once its process has ended.
    if (request == InstanceRequest::Quit &&
        (!process || WaitForSingleObject(process.get(), kEndMs) != WAIT_OBJECT_0))
        return InstanceAnswer::Refused;
    return InstanceAnswer::Done;
}

LRESULT InstanceChannel::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA)
        return DefWindowProcW(window, message, wParam, lParam);
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data || data->dwData != kRequestTag || !data->lpData)
        return FALSE;
    const std::optional<InstanceRequest> request =
        requestFrom({static_cast<const char*>(data->lpData), data->cbData});
    if (!request)
        return FALSE;
    // What the request loads or unloads waits for the message's end.
    Dispatcher::Scope scope(desktop_.dispatcher());
    onRequest_(*request);
    return TRUE;
}

WindowSystem& InstanceChannel::windowSystem() const {
    return desktop_;
}

} // namespace tavrin::win32
