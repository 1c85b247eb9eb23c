// What Windows itself reads from Tavrin.exe: the version record shown in
// the file's properties, the icon group and the application manifest.
#include "app/version.h"
#include "platform/win32/handles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

std::wstring tavrinExePath() {
    std::vector<wchar_t> buffer(32768); // the longest path Windows hands back
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), 32768);
    std::wstring path(buffer.data(), length);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + L"Tavrin.exe";
}

struct ModuleFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

// The bytes of one resource, or an empty string when it is missing.
std::string resourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return {};
    return std::string(static_cast<const char*>(LockResource(LoadResource(module, found))),
                       SizeofResource(module, found));
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
    // The same version the About box names.
    using tavrin::kVersionMajor, tavrin::kVersionMinor, tavrin::kVersionRevision;
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(kVersionMinor, kVersionMajor));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(kVersionRevision, 0));

    // The language and code page the strings are stored under.
    WORD* translation = nullptr;
    UINT translationSize = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &translationSize));
    ASSERT_GE(translationSize, 2 * sizeof(WORD));
    const WORD primary = PRIMARYLANGID(translation[0]);
    EXPECT_TRUE(primary == LANG_SPANISH || primary == LANG_NEUTRAL) << translation[0];
    for (auto [name, expected] :
         {std::pair{L"FileVersion", L"" TAVRIN_VERSION_TEXT}, {L"ProductName", L"Tavrin"}}) {
        wchar_t query[128];
        swprintf(query, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1],
                 name);
        wchar_t* value = nullptr;
        UINT length = 0;
        const bool found =
            VerQueryValueW(record.data(), query, reinterpret_cast<void**>(&value), &length);
        EXPECT_EQ(found && value ? std::wstring(value) : L"<missing>", expected) << name;
    }
}

// The icon group's entries name the images Windows shows the program by;
// each is there and Windows decodes it. The manifest asks for the common controls 6 and leaves
// scaling to Windows.
TEST(Resources, IconGroupOneHoldsElevenImagesThatDecodeAndTheManifestAsksForControls6) {
    UniqueModule module(LoadLibraryExW(tavrinExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(module) << "cannot open Tavrin.exe for its resources";
    const std::string group = resourceBytes(module.get(), MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    // A header of three words (0, 1 for icons, the count), then entries of
    // 14 bytes: width, height, colours, reserved, planes, bits, size, id.
    constexpr std::size_t kHeader = 6, kEntry = 14;
    ASSERT_GE(group.size(), kHeader) << "no icon group with id 1";
    auto word = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(group[at]) |
                                     static_cast<unsigned char>(group[at + 1]) << 8);
    };
    ASSERT_EQ(word(4), 11u);
    ASSERT_EQ(group.size(), kHeader + 11 * kEntry);

    for (std::size_t entry = kHeader; entry < group.size(); entry += kEntry) {
        const int side = group[entry] == 0 ? 256 : static_cast<unsigned char>(group[entry]);
        SCOPED_TRACE(::testing::Message() << side << " px, " << word(entry + 6) << " bpp");
        std::string image =
            resourceBytes(module.get(), MAKEINTRESOURCEW(word(entry + 12)), RT_ICON);
        ASSERT_FALSE(image.empty()) << "the group names a missing image";
        EXPECT_EQ(image.size(), word(entry + 8) | word(entry + 10) << 16);
        const tavrin::win32::UniqueIcon icon(CreateIconFromResourceEx(
            reinterpret_cast<PBYTE>(image.data()), static_cast<DWORD>(image.size()), TRUE,
            0x00030000 /* the icon resource format */, side, side, LR_DEFAULTCOLOR));
        EXPECT_TRUE(icon) << "Windows cannot decode this image";
    }

    std::string manifest = resourceBytes(module.get(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty()) << "no manifest with id 1";
    std::transform(manifest.begin(), manifest.end(), manifest.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });

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
