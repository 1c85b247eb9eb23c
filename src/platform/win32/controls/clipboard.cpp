#include "platform/win32/controls/clipboard.h"

namespace tavrin::win32 {
namespace {

// The clipboard stays open only while it is read.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool open() const { return open_; }

  private:
    bool open_;
};

class LockedGlobal {
  public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~LockedGlobal() {
        if (data_)
            GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    const void* data() const { return data_; }
    std::size_t size() const { return data_ ? GlobalSize(memory_) : 0; }

  private:
    HGLOBAL memory_;
    void* data_;
};

} // namespace

std::wstring clipboardText(HWND owner) {
    OpenClipboardScope clipboard(owner);
    if (!clipboard.open())
        return std::wstring();
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    if (!memory)
        return std::wstring();
    LockedGlobal locked(memory);
    const auto* text = static_cast<const wchar_t*>(locked.data());
    if (!text)
        return std::wstring();
    // Up to the terminating NUL, never past the block.
    const std::size_t units = locked.size() / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < units && text[length] != L'\0')
        ++length;
    return std::wstring(text, length);
}

} // namespace tavrin::win32
