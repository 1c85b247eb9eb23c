// Conversion between the program's UTF-8 text and a single-byte ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace tavrin {

// Windows-1252. Bytes the code page leaves undefined map to the C1 controls
// of the same value, as Windows does; characters it cannot hold become '?'.
std::string utf8FromCp1252(std::string_view bytes);
std::string cp1252FromUtf8(std::string_view utf8);

// Decodes one UTF-8 sequence at text[pos], advancing pos. Malformed input
// yields U+FFFD and advances by one byte.
char32_t nextCodePoint(std::string_view text, std::size_t& pos);
void appendUtf8(std::string& out, char32_t cp);

} // namespace tavrin
