// Code points in and out of the UTF-16 the wide Win32 calls take.
#pragma once

#include <cstddef>
#include <string>

namespace tavrin::win32 {

inline constexpr char32_t kFirstSupplementary = 0x10000;

inline void appendUtf16(std::wstring& out, char32_t character) {
    if (character < kFirstSupplementary) {
        out.push_back(static_cast<wchar_t>(character));
        return;
    }
    const char32_t offset = character - kFirstSupplementary;
    out.push_back(static_cast<wchar_t>(0xD800 + (offset >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (offset & 0x3FF)));
}

// Decodes the code point at text[pos], advancing pos; a lone surrogate
// stands for itself.
inline char32_t nextUtf16(const std::wstring& text, std::size_t& pos) {
    const char32_t first = static_cast<char16_t>(text[pos++]);
    if (first >= 0xD800 && first <= 0xDBFF && pos < text.size()) {
        const char32_t second = static_cast<char16_t>(text[pos]);
        if (second >= 0xDC00 && second <= 0xDFFF) {
            ++pos;
            return kFirstSupplementary + ((first - 0xD800) << 10) + (second - 0xDC00);
        }
    }
    return first;
}

} // namespace tavrin::win32
