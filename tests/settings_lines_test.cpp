// Taking the settings file's lines one at a time, whatever the pieces the
// file is read in, and no more of a line than is kept.
#include "app/settings_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace tavrin {
namespace {

// A file held in memory that hands out at most `piece` bytes per read.
class MemoryFile : public FileReader {
  public:
    MemoryFile(std::string bytes, std::size_t piece) : bytes_(std::move(bytes)), piece_(piece) {}
    std::optional<std::size_t> read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, piece_, bytes_.size() - pos_});
        std::memcpy(buffer, bytes_.data() + pos_, n);
        pos_ += n;
        return n;
    }

  private:
    std::string bytes_;
    std::size_t piece_;
    std::size_t pos_ = 0;
};

constexpr std::size_t kLongest = 1000;

std::vector<std::string> allLines(LineReader& reader) {
    std::vector<std::string> lines;
    while (std::optional<std::string> line = reader.next())
        lines.push_back(*line);
    return lines;
}

TEST(LineReader, EndsLinesAtCrLfCrOrLfWhateverThePieces) {
    using Lines = std::vector<std::string>;
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n\r", {"", ""}},
        {"\r\n", {""}},
        {"\r\r\n\n", {"", "", ""}},
        {"uno\r", {"uno"}},
        {std::string("n\0l\r\nx", 6), {std::string("n\0l", 3), "x"}},
    };
    for (std::size_t piece : {1, 2, 3, 4096}) {
        for (const auto& c : cases) {
            MemoryFile file(c.text, piece);
            LineReader reader(file, kLongest);
            EXPECT_EQ(allLines(reader), c.lines) << "piece " << piece;
            EXPECT_FALSE(reader.failed());
            EXPECT_EQ(reader.next(), std::nullopt); // stays at the end
        }
    }
}

TEST(LineReader, KeepsTheStartOfALongLineAndPassesOverTheRest) {
    const std::string longLine(300 * 1024, 'A');
    for (std::size_t piece : {1000, 1024 * 1024}) {
        MemoryFile file("12345678\r\n" + longLine + "\r\nfin", piece);
        LineReader reader(file, 5);
        EXPECT_EQ(reader.next(), "12345");
        EXPECT_EQ(reader.next(), "AAAAA");
        EXPECT_EQ(reader.next(), "fin");
        EXPECT_EQ(reader.next(), std::nullopt);
    }
    // Exactly as long as is kept: nothing is lost.
    MemoryFile exact("12345\n", 2);
    LineReader reader(exact, 5);
    EXPECT_EQ(reader.next(), "12345");
}

} // namespace
} // namespace tavrin
