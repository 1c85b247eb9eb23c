#include "platform/win32/text/wingdings_table.h"

#include <iterator>

namespace tavrin::win32 {

namespace {

struct Equivalent {
    int code;
    char32_t unicode;
};

// Sorted by code; each code and each equivalent appears once.
constexpr Equivalent kEquivalents[] = {
#include "wingdings_table.inc"
};

} // namespace

char32_t unicodeFromWingdings(int code) {
    for (const Equivalent& e : kEquivalents)
        if (e.code == code)
            return e.unicode;
    return 0;
}

int wingdingsFromUnicode(char32_t equivalent) {
    for (const Equivalent& e : kEquivalents)
        if (e.unicode == equivalent)
            return e.code;
    return -1;
}

} // namespace tavrin::win32
