// What Windows itself reads from Tavrin.exe: the version record shown in
// the file's properties, the icon group and the application manifest.
#include "platform/win32/handles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Longest path GetModuleFileNameW may have to hand back here.
constexpr DWORD kPathCapacity = 32768;

// The language/code-page pair the version strings are stored under.
struct Translation {
    WORD language;
    WORD codePage;
};

// One entry of an icon group as stored in the resource (packed, 14 bytes).
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

// The icon type in a group header; cursors have 2.
constexpr WORD kIconType = 1;
// First bytes of every PNG file.
constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Flag for CreateIconFromResourceEx: the format version of icon resources.
constexpr DWORD kIconResourceVersion = 0x00030000;

std::wstring tavrinExePath() {
    std::vector<wchar_t> buffer(kPathCapacity);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), kPathCapacity);
    std::wstring path(buffer.data(), length);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + L"Tavrin.exe";
}

struct ModuleFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

UniqueModule loadAsData() {
    return UniqueModule(LoadLibraryExW(tavrinExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

// The bytes of one resource, or an empty span when it is missing.
std::pair<const unsigned char*, DWORD> resourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return {nullptr, 0};
    HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

TEST(Resources, VersionRecordNamesTheProductAndItsVersion) {
    const std::wstring exe = tavrinExePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version record in Tavrin.exe";
    std::vector<unsigned char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 3));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(3, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 3));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(3, 0));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    Translation* translation = nullptr;
    UINT translationSize = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &translationSize));
    ASSERT_GE(translationSize, sizeof(Translation));
    const WORD primary = PRIMARYLANGID(translation->language);
    EXPECT_TRUE(primary == LANG_SPANISH || primary == LANG_NEUTRAL) << translation->language;

    auto text = [&](const wchar_t* name) {
        wchar_t query[128];
        swprintf(query, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
                 translation->codePage, name);
        wchar_t* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(record.data(), query, reinterpret_cast<void**>(&value), &length) ||
            !value)
            return std::wstring(L"<missing>");
        return std::wstring(value);
    };
    EXPECT_EQ(text(L"FileVersion"), L"3.01.0003");
    EXPECT_EQ(text(L"ProductVersion"), L"3.01.0003");
    EXPECT_EQ(text(L"ProductName"), L"Tavrin");
    EXPECT_EQ(text(L"CompanyName"), L"Quenfold");
    EXPECT_EQ(text(L"FileDescription"), L"Tavrin");
    EXPECT_EQ(text(L"InternalName"), L"Tavrin.exe");
    EXPECT_EQ(text(L"OriginalFilename"), L"Tavrin.exe");
}

TEST(Resources, IconGroupOneHoldsTheElevenImagesAndEachDecodes) {
    UniqueModule module = loadAsData();
    ASSERT_TRUE(module) << "cannot open Tavrin.exe for its resources";
    auto [group, groupSize] = resourceBytes(module.get(), MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr) << "no icon group with id 1";

    GroupIconHeader header;
    ASSERT_GE(groupSize, sizeof header);
    std::memcpy(&header, group, sizeof header);
    EXPECT_EQ(header.reserved, 0);
    EXPECT_EQ(header.type, kIconType);
    ASSERT_EQ(header.count, 11);
    ASSERT_EQ(groupSize, sizeof header + header.count * sizeof(GroupIconEntry));

    std::multiset<std::pair<int, int>> found;
    for (int i = 0; i < header.count; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, group + sizeof header + i * sizeof entry, sizeof entry);
        const int side = entry.width == 0 ? 256 : entry.width;
        SCOPED_TRACE(testing::Message() << side << " px, " << entry.bitCount << " bpp");
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.colourCount, entry.bitCount == 4 ? 16 : 0);
        found.insert({side, entry.bitCount});

        auto [image, imageSize] = resourceBytes(module.get(), MAKEINTRESOURCEW(entry.id), RT_ICON);
        ASSERT_NE(image, nullptr) << "the group names a missing image";
        EXPECT_EQ(imageSize, entry.bytesInResource);
        const bool isPng = imageSize >= sizeof kPngSignature &&
                           std::memcmp(image, kPngSignature, sizeof kPngSignature) == 0;
        EXPECT_EQ(isPng, side == 256) << "only the 256 px image is stored as PNG";

        const tavrin::win32::UniqueIcon icon(
            CreateIconFromResourceEx(const_cast<PBYTE>(image), imageSize, TRUE,
                                     kIconResourceVersion, side, side, LR_DEFAULTCOLOR));
        EXPECT_TRUE(icon) << "Windows cannot decode this image";
    }
    const std::multiset<std::pair<int, int>> expected = {{16, 4},  {32, 4},   {16, 8},  {32, 8},
                                                         {48, 8},  {16, 32},  {32, 32}, {48, 32},
                                                         {96, 32}, {128, 32}, {256, 32}};
    EXPECT_EQ(found, expected);
}

TEST(Resources, ManifestAsksForCommonControls6AndLeavesScalingToWindows) {
    UniqueModule module = loadAsData();
    ASSERT_TRUE(module);
    auto [bytes, size] = resourceBytes(module.get(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(bytes, nullptr) << "no manifest with id 1";
    const std::string manifest = lowerCase(std::string(reinterpret_cast<const char*>(bytes), size));

    const auto controls = manifest.find("name=\"microsoft.windows.common-controls\"");
    ASSERT_NE(controls, std::string::npos);
    const auto identityEnd = manifest.find("/>", controls);
    const auto version = manifest.find("version=\"6.0.0.0\"", manifest.rfind('<', controls));
    EXPECT_LT(version, identityEnd) << "the common controls are not asked for in version 6";
    EXPECT_NE(manifest.find("level=\"asinvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("<supportedos"), std::string::npos);
    // A DPI-aware program would be laid out unscaled at 15 twips to the pixel.
    EXPECT_EQ(manifest.find("dpiaware"), std::string::npos);
}

} // namespace
