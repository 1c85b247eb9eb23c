#include "platform/win32/text/wingdings_codes.h"

#include "platform/codepage.h"
#include "platform/win32/text/wingdings_table.h"

#include <string>

namespace tavrin::win32 {

namespace {

// Symbol fonts map their byte codes into the private-use area from here.
constexpr char32_t kSymbolPrivateUseBase = 0xF000;

} // namespace

WingdingsCodes::WingdingsCodes() {
    for (int code = kFirstWingdingsCode; code <= kLastWingdingsCode; ++code) {
        const std::string utf8 = utf8FromCp1252(std::string(1, static_cast<char>(code)));
        std::size_t pos = 0;
        characters_[static_cast<std::size_t>(code)] = nextCodePoint(utf8, pos);
    }
}

int WingdingsCodes::codeOf(char32_t character) const {
    if (character >= kSymbolPrivateUseBase + kFirstWingdingsCode &&
        character <= kSymbolPrivateUseBase + kLastWingdingsCode)
        return static_cast<int>(character - kSymbolPrivateUseBase);
    for (int code = kFirstWingdingsCode; code <= kLastWingdingsCode; ++code)
        if (characters_[static_cast<std::size_t>(code)] == character)
            return code;
    return -1;
}

char32_t WingdingsCodes::characterOf(int code) const {
    if (code < kFirstWingdingsCode || code > kLastWingdingsCode)
        return 0;
    return characters_[static_cast<std::size_t>(code)];
}

} // namespace tavrin::win32
