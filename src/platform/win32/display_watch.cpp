#include "platform/win32/display_watch.h"

namespace tavrin::win32 {
namespace {

constexpr const wchar_t* kVideoDeviceMap = L"HARDWARE\\DEVICEMAP\\VIDEO";

} // namespace

DisplayWatch::DisplayWatch() {
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kVideoDeviceMap, 0, KEY_NOTIFY, &key_) != ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    rearm();
}

DisplayWatch::~DisplayWatch() {
    if (event_)
        CloseHandle(event_);
    if (key_)
        RegCloseKey(key_);
}

void DisplayWatch::rearm() {
    if (!key_ || !event_)
        return;
    const DWORD filter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    if (RegNotifyChangeKeyValue(key_, TRUE, filter, event_, TRUE) != ERROR_SUCCESS) {
        CloseHandle(event_);
        event_ = nullptr;
    }
}

} // namespace tavrin::win32
