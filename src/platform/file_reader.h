// A file open for reading, read from its start in pieces of the caller's
// choosing, so that the caller keeps only what it needs of a large file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tavrin {

// How much is read at a time: large enough that a long file takes few
// reads, small enough to cost nothing next to the program.
inline constexpr std::size_t kReadPiece = 64 * 1024;

class FileReader {
  public:
    virtual ~FileReader() = default;
    // Reads up to size bytes into buffer: how many it read, 0 at the end of
    // the file, nothing when reading fails. It may read fewer than asked
    // before the end.
    virtual std::optional<std::size_t> read(char* buffer, std::size_t size) = 0;
};

// Everything from the reader's position to the end of the file; nothing
// when reading fails.
std::optional<std::string> readToEnd(FileReader& file);

} // namespace tavrin
