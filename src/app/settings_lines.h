// The settings file's lines, taken one at a time. The file is read only as
// far as the lines taken need, a piece at a time, and a line keeps no more
// than a set number of bytes: a file of any size costs no more than the
// lines taken from it and one piece.
#pragma once

#include "platform/file_reader.h"

#include <array>
#include <optional>
#include <string>

namespace tavrin {

class LineReader {
  public:
    // A line longer than longestLine bytes keeps its first longestLine
    // bytes; the rest of it, up to its terminator, is passed over.
    LineReader(FileReader& file, std::size_t longestLine);

    // The next line as the file holds it, without its terminator: CR LF, a
    // lone CR or a lone LF ends a line, and a last line without terminator
    // still counts. Nothing at the end of the file, or once reading failed.
    std::optional<std::string> next();
    bool failed() const { return failed_; }

  private:
    // Reads the next piece; false at the end of the file or on failure.
    bool fill();

    // The piece lives in the reader itself, left uninitialised: a settings
    // file of thirty short lines comes in one read, with no allocation.
    static constexpr std::size_t kPiece = 16 * 1024;

    FileReader& file_;
    std::size_t longestLine_;
    std::array<char, kPiece> piece_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool failed_ = false;
};

} // namespace tavrin
