#include "platform/win32/shell_launcher.h"

#include "platform/win32/wide.h"
#include "platform/win32/win32_desktop.h"

#include <objbase.h>
#include <shellapi.h>

#include <memory>

namespace tavrin::win32 {
namespace {

constexpr UINT kShellAnswered = WM_APP + 1;

// Everything one open needs, owned by its thread.
struct ShellJob {
    HWND owner = nullptr;
    std::optional<std::wstring> verb;
    std::wstring file;
    std::optional<std::wstring> parameters;
    std::optional<std::wstring> directory;
    int showCommand = SW_SHOWNORMAL;
    // Where the answer goes, with its ticket; null when nobody waits.
    HWND answerTo = nullptr;
    WPARAM ticket = 0;
};

std::optional<std::wstring> wideOrNone(const std::optional<std::string>& utf8) {
    if (!utf8)
        return std::nullopt;
    return wideFromUtf8(*utf8);
}

const wchar_t* orNull(const std::optional<std::wstring>& text) {
    return text ? text->c_str() : nullptr;
}

// COM as the shell asks its callers to set it up, for the thread's life.
class ComApartment {
  public:
    ComApartment()
        : initialised_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (initialised_)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

// The thread: nothing here throws, and it touches nothing but its job.
DWORD WINAPI runShellJob(void* parameter) noexcept {
    const std::unique_ptr<ShellJob> job(static_cast<ShellJob*>(parameter));
    HINSTANCE result = nullptr;
    {
        const ComApartment com;
        result = ShellExecuteW(job->owner, orNull(job->verb), job->file.c_str(),
                               orNull(job->parameters), orNull(job->directory), job->showCommand);
    }
    if (job->answerTo)
        PostMessageW(job->answerTo, kShellAnswered, job->ticket, reinterpret_cast<LPARAM>(result));
    return 0;
}

struct ThreadTraits {
    static void release(HANDLE h) { CloseHandle(h); }
};

} // namespace

ShellLauncher::~ShellLauncher() {
    // Messages the window gets while it is destroyed find nobody.
    if (answerWindow_)
        attachTarget(answerWindow_.get(), nullptr);
}

HWND ShellLauncher::answerWindow() {
    if (!answerWindow_) {
        answerWindow_.reset(CreateWindowExW(0, windowClassName(WindowClass::Frame), L"", 0, 0, 0, 0,
                                            0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                            nullptr));
        if (answerWindow_)
            attachTarget(answerWindow_.get(), this);
    }
    return answerWindow_.get();
}

bool ShellLauncher::open(WindowHandle owner, const std::optional<std::string>& verb,
                         const std::string& file, const std::optional<std::string>& parameters,
                         const std::optional<std::string>& directory, int showCommand,
                         std::function<void(ShellResult)> answered) {
    auto job = std::make_unique<ShellJob>(ShellJob{reinterpret_cast<HWND>(owner), wideOrNone(verb),
                                                   wideFromUtf8(file), wideOrNone(parameters),
                                                   wideOrNone(directory), showCommand, nullptr, 0});
    if (answered) {
        job->answerTo = answerWindow();
        if (!job->answerTo)
            return false;
        job->ticket = nextTicket_++;
        waiting_[job->ticket] = std::move(answered);
    }
    const WPARAM ticket = job->ticket;
    // Not waited for: the thread ends by itself once the shell answers. It
    // owns the job from its start (and may have freed it already): the job
    // is only let go of here, never touched again.
    const Unique<HANDLE, ThreadTraits> thread(
        CreateThread(nullptr, 0, runShellJob, job.get(), 0, nullptr));
    if (!thread) {
        waiting_.erase(ticket);
        return false;
    }
    static_cast<void>(job.release());
    return true;
}

LRESULT ShellLauncher::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kShellAnswered)
        return DefWindowProcW(window, message, wParam, lParam);
    const auto it = waiting_.find(wParam);
    if (it == waiting_.end())
        return 0;
    const std::function<void(ShellResult)> answered = std::move(it->second);
    waiting_.erase(it);
    // The handler may unload forms: they stay alive until it returns.
    Dispatcher::Scope scope(desktop_.dispatcher());
    answered(static_cast<ShellResult>(lParam));
    return 0;
}

WindowSystem& ShellLauncher::windowSystem() const {
    return desktop_;
}

} // namespace tavrin::win32
