// The icon file the Windows build embeds: its directory, the layout of each
// image and the transparency its masks give.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Sizes of the fixed records of an icon file.
constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr size_t kBitmapHeaderSize = 40;
// First bytes of every PNG file.
constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::filesystem::path iconPath() {
    if (const char* root = std::getenv("TAVRIN_SOURCE_DIR"))
        return std::filesystem::path(root) / "resources" / "tavrin.ico";
    // This file lives in tests/ of the source tree.
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "resources" / "tavrin.ico";
}

std::vector<unsigned char> readIcon() {
    std::ifstream in(iconPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t littleEndian(const std::vector<unsigned char>& bytes, size_t at, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + i);
    return value;
}

uint32_t bigEndian(const std::vector<unsigned char>& bytes, size_t at) {
    return uint32_t{bytes.at(at)} << 24 | uint32_t{bytes.at(at + 1)} << 16 |
           uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
}

size_t rowBytes(int bits, int width) {
    return static_cast<size_t>((bits * width + 31) / 32 * 4);
}

struct Entry {
    int side;
    int bits;
    int colourCount;
    size_t size;
    size_t offset;
};

std::vector<Entry> directory(const std::vector<unsigned char>& icon) {
    std::vector<Entry> entries;
    const int count = static_cast<int>(littleEndian(icon, 4, 2));
    for (int i = 0; i < count; ++i) {
        const size_t at = kDirectoryHeaderSize + i * kDirectoryEntrySize;
        const int width = icon.at(at) == 0 ? 256 : icon.at(at);
        const int height = icon.at(at + 1) == 0 ? 256 : icon.at(at + 1);
        EXPECT_EQ(width, height);
        EXPECT_EQ(littleEndian(icon, at + 4, 2), 1u) << "planes";
        entries.push_back({width, static_cast<int>(littleEndian(icon, at + 6, 2)), icon.at(at + 2),
                           littleEndian(icon, at + 8, 4), littleEndian(icon, at + 12, 4)});
    }
    return entries;
}

// Whether the AND mask of a DIB image marks pixel (x, y), counted from the
// top, as transparent.
bool maskedOut(const std::vector<unsigned char>& icon, const Entry& entry, int x, int y) {
    const size_t palette = entry.bits <= 8 ? (size_t{1} << entry.bits) * 4 : 0;
    const size_t colours = rowBytes(entry.bits, entry.side) * entry.side;
    const size_t mask = entry.offset + kBitmapHeaderSize + palette + colours;
    const size_t row = static_cast<size_t>(entry.side - 1 - y); // rows run bottom-up
    return icon.at(mask + row * rowBytes(1, entry.side) + x / 8) & (0x80 >> (x % 8));
}

TEST(Icon, DirectoryListsTheElevenImagesWithoutOverlap) {
    const std::vector<unsigned char> icon = readIcon();
    ASSERT_GT(icon.size(), kDirectoryHeaderSize) << "cannot read " << iconPath();
    EXPECT_EQ(littleEndian(icon, 0, 2), 0u);
    EXPECT_EQ(littleEndian(icon, 2, 2), 1u) << "not an icon file";
    const std::vector<Entry> entries = directory(icon);
    ASSERT_EQ(entries.size(), 11u);

    std::multiset<std::pair<int, int>> found;
    size_t end = kDirectoryHeaderSize + entries.size() * kDirectoryEntrySize;
    for (const Entry& entry : entries) {
        found.insert({entry.side, entry.bits});
        EXPECT_EQ(entry.colourCount, entry.bits == 4 ? 16 : 0);
        EXPECT_GE(entry.offset, end) << "images overlap or are out of order";
        end = entry.offset + entry.size;
    }
    EXPECT_EQ(end, icon.size()) << "the last image does not end the file";
    const std::multiset<std::pair<int, int>> expected = {{16, 4},  {32, 4},   {16, 8},  {32, 8},
                                                         {48, 8},  {16, 32},  {32, 32}, {48, 32},
                                                         {96, 32}, {128, 32}, {256, 32}};
    EXPECT_EQ(found, expected);
}

TEST(Icon, SmallImagesAreBitmapsWithMasksThatClearOnlyTheCorners) {
    const std::vector<unsigned char> icon = readIcon();
    ASSERT_GT(icon.size(), kDirectoryHeaderSize) << "cannot read " << iconPath();
    for (const Entry& entry : directory(icon)) {
        if (entry.side == 256)
            continue;
        SCOPED_TRACE(testing::Message() << entry.side << " px, " << entry.bits << " bpp");
        const size_t at = entry.offset;
        ASSERT_EQ(littleEndian(icon, at, 4), kBitmapHeaderSize);
        EXPECT_EQ(littleEndian(icon, at + 4, 4), static_cast<uint32_t>(entry.side));
        EXPECT_EQ(littleEndian(icon, at + 8, 4), static_cast<uint32_t>(2 * entry.side))
            << "the height counts colours and mask together";
        EXPECT_EQ(littleEndian(icon, at + 14, 2), static_cast<uint32_t>(entry.bits));
        EXPECT_EQ(littleEndian(icon, at + 16, 4), 0u) << "compressed";
        const size_t palette = entry.bits <= 8 ? (size_t{1} << entry.bits) * 4 : 0;
        const size_t pixels = (rowBytes(entry.bits, entry.side) + rowBytes(1, entry.side)) *
                              static_cast<size_t>(entry.side);
        ASSERT_EQ(entry.size, kBitmapHeaderSize + palette + pixels);

        // The tile's rounded corners are cut out; its middle and its edge
        // midpoints are solid, so the mask is not inverted or shifted.
        const int last = entry.side - 1;
        const int middle = entry.side / 2;
        EXPECT_TRUE(maskedOut(icon, entry, 0, 0));
        EXPECT_TRUE(maskedOut(icon, entry, last, 0));
        EXPECT_TRUE(maskedOut(icon, entry, 0, last));
        EXPECT_TRUE(maskedOut(icon, entry, last, last));
        EXPECT_FALSE(maskedOut(icon, entry, middle, middle));
        EXPECT_FALSE(maskedOut(icon, entry, middle, 0));
        EXPECT_FALSE(maskedOut(icon, entry, 0, middle));
        EXPECT_FALSE(maskedOut(icon, entry, last, middle));
    }
}

TEST(Icon, LargestImageIsA256PixelRgbaPng) {
    const std::vector<unsigned char> icon = readIcon();
    ASSERT_GT(icon.size(), kDirectoryHeaderSize) << "cannot read " << iconPath();
    for (const Entry& entry : directory(icon)) {
        if (entry.side != 256)
            continue;
        ASSERT_GT(entry.size, sizeof kPngSignature + 25);
        ASSERT_EQ(std::memcmp(icon.data() + entry.offset, kPngSignature, sizeof kPngSignature), 0);
        const size_t header = entry.offset + sizeof kPngSignature;
        EXPECT_EQ(std::string(icon.begin() + header + 4, icon.begin() + header + 8), "IHDR");
        EXPECT_EQ(bigEndian(icon, header + 8), 256u) << "width";
        EXPECT_EQ(bigEndian(icon, header + 12), 256u) << "height";
        EXPECT_EQ(icon.at(header + 16), 8) << "bits per channel";
        EXPECT_EQ(icon.at(header + 17), 6) << "colour type: RGB with alpha";
        return;
    }
    FAIL() << "no 256 px image";
}

} // namespace
