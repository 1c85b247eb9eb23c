#include "file_reader.h"

namespace tavrin {
namespace {

constexpr std::size_t kPiece = 64 * 1024;

} // namespace

std::optional<std::string> readToEnd(FileReader& file) {
    std::string bytes;
    for (;;) {
        const std::size_t done = bytes.size();
        bytes.resize(done + kPiece);
        const std::optional<std::size_t> got = file.read(bytes.data() + done, kPiece);
        if (!got)
            return std::nullopt;
        bytes.resize(done + *got);
        if (*got == 0)
            return bytes;
    }
}

} // namespace tavrin
