#include "platform/win32/controls/edit_text.h"

namespace tavrin::win32 {

bool splitsPair(const std::wstring& text, std::size_t unit) {
    return unit > 0 && unit < text.size() && isHighSurrogate(text[unit - 1]) &&
           isLowSurrogate(text[unit]);
}

int charactersIn(const std::wstring& text, std::size_t units) {
    if (units > text.size())
        units = text.size();
    int count = 0;
    for (std::size_t i = 0; i < units; ++i)
        count += !splitsPair(text, i);
    return count;
}

std::size_t unitsFor(const std::wstring& text, int characters) {
    std::size_t i = 0;
    for (int seen = 0; i < text.size(); ++i) {
        if (!splitsPair(text, i) && seen++ == characters)
            break;
    }
    return i;
}

std::wstring pastable(const std::wstring& text, int room) {
    std::wstring line = text.substr(0, text.find_first_of(L"\r\n"));
    if (room >= 0 && charactersIn(line) > room)
        line.resize(unitsFor(line, room));
    return line;
}

} // namespace tavrin::win32
