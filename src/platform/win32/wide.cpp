#include "platform/win32/wide.h"

#include <windows.h>

namespace tavrin::win32 {

std::wstring wideFromCodePage(unsigned codePage, const std::string& bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, out.data(), n);
    return out;
}

std::string codePageFromWide(unsigned codePage, const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    int n = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring wideFromUtf8(const std::string& utf8) {
    return wideFromCodePage(CP_UTF8, utf8);
}

std::string utf8FromWide(const std::wstring& wide) {
    return codePageFromWide(CP_UTF8, wide);
}

} // namespace tavrin::win32
