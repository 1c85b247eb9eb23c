#include "file_reader.h"

namespace tavrin {

std::optional<std::string> readToEnd(FileReader& file) {
    std::string bytes;
    for (;;) {
        const std::size_t done = bytes.size();
        bytes.resize(done + kReadPiece);
        const std::optional<std::size_t> got = file.read(bytes.data() + done, kReadPiece);
        if (!got)
            return std::nullopt;
        bytes.resize(done + *got);
        if (*got == 0)
            return bytes;
    }
}

} // namespace tavrin
