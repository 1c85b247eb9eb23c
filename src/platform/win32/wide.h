// Between the program's UTF-8 and the UTF-16 the wide Win32 calls take.
#pragma once

#include <string>

namespace tavrin::win32 {

std::wstring wideFromUtf8(const std::string& utf8);
std::string utf8FromWide(const std::wstring& wide);

// Between UTF-16 and a code page (CP_ACP for the ANSI code page).
std::wstring wideFromCodePage(unsigned codePage, const std::string& bytes);
std::string codePageFromWide(unsigned codePage, const std::wstring& wide);

} // namespace tavrin::win32
