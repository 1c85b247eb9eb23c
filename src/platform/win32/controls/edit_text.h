// The text of an edit control is UTF-16, the text box counts characters
// (code points): a character beyond U+FFFF is one character, stored as a
// surrogate pair of two units that the caret never stands between.
#pragma once

#include "platform/win32/text/font_utf16.h"

#include <cstddef>
#include <string>

namespace tavrin::win32 {

// Characters in the first units of the text; a pair that the count cuts
// counts whole.
int charactersIn(const std::wstring& text, std::size_t units);
inline int charactersIn(const std::wstring& text) {
    return charactersIn(text, text.size());
}
// Units that the first characters of the text take; the whole text when
// it has fewer.
std::size_t unitsFor(const std::wstring& text, int characters);

// True when unit stands between the two halves of a surrogate pair.
bool splitsPair(const std::wstring& text, std::size_t unit);

// What a one-line edit takes of pasted text: up to the first line break,
// and at most room characters (no limit when room is negative).
std::wstring pastable(const std::wstring& text, int room);

} // namespace tavrin::win32
