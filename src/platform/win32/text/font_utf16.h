// Code points in and out of the UTF-16 the wide Win32 calls take.
#pragma once

#include <cstddef>
#include <string>

namespace tavrin::win32 {

inline constexpr char32_t kFirstSupplementary = 0x10000;
inline constexpr char32_t kFirstHighSurrogate = 0xD800;
inline constexpr char32_t kFirstLowSurrogate = 0xDC00;
inline constexpr char32_t kLastSurrogate = 0xDFFF;
inline constexpr int kSurrogateBits = 10;

inline bool isHighSurrogate(char32_t unit) {
    return unit >= kFirstHighSurrogate && unit < kFirstLowSurrogate;
}
inline bool isLowSurrogate(char32_t unit) {
    return unit >= kFirstLowSurrogate && unit <= kLastSurrogate;
}
inline char32_t fromSurrogates(char32_t high, char32_t low) {
    return kFirstSupplementary + ((high - kFirstHighSurrogate) << kSurrogateBits) +
           (low - kFirstLowSurrogate);
}

inline void appendUtf16(std::wstring& out, char32_t character) {
    if (character < kFirstSupplementary) {
        out.push_back(static_cast<wchar_t>(character));
        return;
    }
    const char32_t offset = character - kFirstSupplementary;
    out.push_back(static_cast<wchar_t>(kFirstHighSurrogate + (offset >> kSurrogateBits)));
    out.push_back(static_cast<wchar_t>(kFirstLowSurrogate + (offset & 0x3FF)));
}

// Decodes the code point at text[pos], advancing pos; a lone surrogate
// stands for itself.
inline char32_t nextUtf16(const std::wstring& text, std::size_t& pos) {
    const char32_t first = static_cast<char16_t>(text[pos++]);
    if (isHighSurrogate(first) && pos < text.size()) {
        const char32_t second = static_cast<char16_t>(text[pos]);
        if (isLowSurrogate(second)) {
            ++pos;
            return fromSurrogates(first, second);
        }
    }
    return first;
}

} // namespace tavrin::win32
