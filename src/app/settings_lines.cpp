#include "settings_lines.h"

#include <algorithm>

namespace tavrin {
namespace {

bool isBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

LineReader::LineReader(FileReader& file, std::size_t longestLine)
    : file_(file), longestLine_(longestLine) {}

bool LineReader::fill() {
    if (failed_)
        return false;
    const std::optional<std::size_t> got = file_.read(piece_.data(), piece_.size());
    failed_ = !got;
    pos_ = 0;
    end_ = got.value_or(0);
    return end_ > 0;
}

std::optional<std::string> LineReader::next() {
    if (pos_ == end_ && !fill())
        return std::nullopt;
    std::string line;
    for (;;) {
        const char* begin = piece_.data() + pos_;
        const char* stop = piece_.data() + end_;
        const char* hit = std::find_if(begin, stop, isBreak);
        const auto length = static_cast<std::size_t>(hit - begin);
        line.append(begin, std::min(length, longestLine_ - line.size()));
        pos_ += length;
        if (hit != stop) {
            const char terminator = *hit;
            ++pos_;
            // A CR's LF may come with the next piece.
            if (terminator == '\r' && (pos_ < end_ || fill()) && piece_[pos_] == '\n')
                ++pos_;
            return line;
        }
        if (!fill())
            return failed_ ? std::nullopt : std::optional<std::string>(std::move(line));
    }
}

} // namespace tavrin
