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

TEST(Resources, VersionRecordNamesItsVersion) {
    const std::wstring exe = tavrinExePath();
    DWORD ignored = 0;
    std::vector<unsigned char> record(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    ASSERT_FALSE(record.empty()) << "no version record in Tavrin.exe";
    ASSERT_TRUE(
        GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
    // The strings, with the version the About box names, stored under the
    // language and code page the record names.
    WORD* translation = nullptr;
    UINT translationSize = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &translationSize));
    ASSERT_GE(translationSize, 2 * sizeof(WORD));
    wchar_t query[128];
    swprintf(query, 128, L"\\StringFileInfo\\%04x%04x\\FileVersion", translation[0],
             translation[1]);
    wchar_t* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), query, reinterpret_cast<void**>(&value), &length));
    EXPECT_STREQ(value, L"" TAVRIN_VERSION_TEXT);
}

// The icon group's entries name the images Windows shows the program by;
// each is there and Windows decodes it. The manifest asks for the common controls 6 and
// declares the program aware of each monitor's DPI, which this program, of the same manifest,
// is.
TEST(Resources, IconGroupOnesImagesDecodeAndTheManifestAsksForControls6) {
    UniqueModule module(LoadLibraryExW(tavrinExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(module) << "cannot open Tavrin.exe for its resources";
    const std::string group = resourceBytes(module.get(), MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    // A header of three words (0, 1 for icons, the count), then entries of
    // 14 bytes: width, height, colours, reserved, planes, bits, size, id.
    constexpr std::size_t kHeader = 6, kEntry = 14;
    ASSERT_GE(group.size(), kHeader + kEntry) << "no icon group with id 1";
    auto word = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(group[at]) |
                                     static_cast<unsigned char>(group[at + 1]) << 8);
    };

    for (std::size_t entry = kHeader; entry < group.size(); entry += kEntry) {
        const int side = group[entry] == 0 ? 256 : static_cast<unsigned char>(group[entry]);
        SCOPED_TRACE(::testing::Message() << side << " px, " << word(entry + 6) << " bpp");
        std::string image =
            resourceBytes(module.get(), MAKEINTRESOURCEW(word(entry + 12)), RT_ICON);
        ASSERT_FALSE(image.empty()) << "the group names a missing image";
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
    EXPECT_NE(manifest.find(">permonitorv2, permonitor</dpiawareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiaware>"), std::string::npos);
    EXPECT_TRUE(IsProcessDPIAware()) << "Windows scales the program's windows";
}

} // namespace
