// The icon file the Windows build embeds: its directory, the layout of each
// image and the transparency its masks give.
#include "file_bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

namespace {

using tavrin::testing::readBytes;

// Sizes of the fixed records of an icon file.
constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr size_t kBitmapHeaderSize = 40;
// First bytes of every PNG file.
const std::string kPngSignature = "\x89PNG\r\n\x1A\n";

uint32_t littleEndian(const std::string& bytes, size_t at, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

size_t rowBytes(int bits, int width) {
    return static_cast<size_t>((bits * width + 31) / 32 * 4);
}

TEST(Icon, ElevenImagesInOrderSmallOnesMaskedBitmapsTheLargestAnRgbaPng) {
    // This file lives in tests/ of the source tree.
    const std::filesystem::path path =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "resources" / "tavrin.ico";
    const std::string icon = readBytes(path);
    ASSERT_GT(icon.size(), kDirectoryHeaderSize) << "cannot read " << path;
    EXPECT_EQ(littleEndian(icon, 0, 4), 0x10000u) << "not an icon file";
    const int count = static_cast<int>(littleEndian(icon, 4, 2));
    ASSERT_EQ(count, 11);

    std::multiset<std::pair<int, int>> found;
    size_t end = kDirectoryHeaderSize + count * kDirectoryEntrySize;
    for (int i = 0; i < count; ++i) {
        const size_t entry = kDirectoryHeaderSize + i * kDirectoryEntrySize;
        const int side = icon.at(entry) == 0 ? 256 : static_cast<unsigned char>(icon.at(entry));
        const int bits = static_cast<int>(littleEndian(icon, entry + 6, 2));
        const size_t size = littleEndian(icon, entry + 8, 4),
                     at = littleEndian(icon, entry + 12, 4);
        SCOPED_TRACE(::testing::Message() << side << " px, " << bits << " bpp");
        found.insert({side, bits});
        EXPECT_EQ(icon.at(entry + 1), icon.at(entry)) << "not square";
        EXPECT_EQ(littleEndian(icon, entry + 2, 1), bits == 4 ? 16u : 0u) << "colour count";
        EXPECT_EQ(littleEndian(icon, entry + 4, 2), 1u) << "planes";
        EXPECT_GE(at, end) << "images overlap or are out of order";
        end = at + size;

        if (side == 256) {
            ASSERT_EQ(icon.substr(at, kPngSignature.size()), kPngSignature);
            const size_t header = at + kPngSignature.size();
            EXPECT_EQ(icon.substr(header + 4, 4), "IHDR");
            EXPECT_EQ(icon.substr(header + 8, 8), std::string("\0\0\1\0\0\0\1\0", 8))
                << "256 by 256, most significant byte first";
            EXPECT_EQ(icon.at(header + 16), 8) << "bits per channel";
            EXPECT_EQ(icon.at(header + 17), 6) << "colour type: RGB with alpha";
            continue;
        }
        ASSERT_EQ(littleEndian(icon, at, 4), kBitmapHeaderSize);
        EXPECT_EQ(littleEndian(icon, at + 4, 4), static_cast<uint32_t>(side));
        EXPECT_EQ(littleEndian(icon, at + 8, 4), static_cast<uint32_t>(2 * side))
            << "the height counts colours and mask together";
        EXPECT_EQ(littleEndian(icon, at + 14, 2), static_cast<uint32_t>(bits));
        EXPECT_EQ(littleEndian(icon, at + 16, 4), 0u) << "compressed";
        const size_t palette = bits <= 8 ? (size_t{1} << bits) * 4 : 0;
        const size_t mask = at + kBitmapHeaderSize + palette + rowBytes(bits, side) * side;
        ASSERT_EQ(size, mask - at + rowBytes(1, side) * side);

        // The tile's rounded corners are cut out; its middle and its edge
        // midpoints are solid, so the mask is not inverted or shifted.
        auto maskedOut = [&](int x, int y) { // y from the top; rows run bottom-up
            const size_t row = static_cast<size_t>(side - 1 - y);
            return (icon.at(mask + row * rowBytes(1, side) + x / 8) & (0x80 >> (x % 8))) != 0;
        };
        const int last = side - 1, middle = side / 2;
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
            EXPECT_TRUE(maskedOut(x, y)) << "corner " << x << ", " << y;
        for (auto [x, y] : {std::pair{middle, middle}, {middle, 0}, {0, middle}, {last, middle}})
            EXPECT_FALSE(maskedOut(x, y)) << "solid at " << x << ", " << y;
    }
    EXPECT_EQ(end, icon.size()) << "the last image does not end the file";
    const std::multiset<std::pair<int, int>> expected = {{16, 4},  {32, 4},   {16, 8},  {32, 8},
                                                         {48, 8},  {16, 32},  {32, 32}, {48, 32},
                                                         {96, 32}, {128, 32}, {256, 32}};
    EXPECT_EQ(found, expected);
}

} // namespace
