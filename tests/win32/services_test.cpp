// What only the real system shows of the services beside the windows: the
// ANSI code page, the user's name, the clock and locale, and the shell
// (the screen's size in twips, and the stacking calls leaving the user's
// window active, show in the bar: windows_test.cpp; the message box's text,
// files and the shell's answer, in the conformance suite); and the user's
// known folders and short paths.
#include "platform/win32/system_services.h"
#include "platform/win32/wide.h"

#include "conformance/desktop_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

namespace tavrin::win32 {
namespace {

// The user's name and a NUL over the blanks; a civil time and a long date
// that names its year.
TEST(SystemServices, UserNameNowAndLongDate) {
    SystemServices services;
    constexpr std::size_t kBufferSize = 260; // what the bar hands over
    std::string buffer(kBufferSize, ' ');
    ASSERT_TRUE(services.getUserName(buffer));
    ASSERT_EQ(buffer.size(), kBufferSize);
    const std::size_t end = buffer.find('\0');
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(buffer.find_first_not_of(' ', end + 1), std::string::npos);

    wchar_t wide[kBufferSize];
    DWORD size = kBufferSize;
    ASSERT_TRUE(GetUserNameW(wide, &size));
    EXPECT_EQ(buffer.substr(0, end), utf8FromWide(wide));

    std::string tooSmall(1, ' ');
    EXPECT_FALSE(services.getUserName(tooSmall));
    EXPECT_EQ(tooSmall, " ");

    const LocalTime t = services.now();
    const std::string date = services.longDate();
    const LocalTime after = services.now();
    ASSERT_TRUE(t.month >= 1 && t.month <= 12 && t.hour < 24 && t.minute < 60 && t.second < 60);

    ASSERT_FALSE(date.empty());
    const bool namesYear = date.find(std::to_string(t.year)) != std::string::npos ||
                           date.find(std::to_string(after.year)) != std::string::npos;
    EXPECT_TRUE(namesYear) << date;
    EXPECT_EQ(utf8FromWide(wideFromUtf8(date)), date) << "not valid UTF-8";
}

// Spanish folder names round-trip through Windows-1252; the shell takes
// any text whole.
TEST(SystemServices, SpanishTextRoundTripsThroughCp1252AndTheShellTakesAnyText) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the ANSI code page is " << GetACP()
                     << ", not 1252: run Wine with LANG=es_ES.UTF-8 or en_US.UTF-8";
    SystemServices services;
    for (auto [utf8, ansi] :
         {std::pair{"M\u00fasica", "M\xFAsica"}, {"\u20ac 5", "\x80 5"}, {"", ""}}) {
        EXPECT_EQ(services.ansiFromUtf8(utf8), ansi) << utf8;
        EXPECT_EQ(services.utf8FromAnsi(ansi), utf8) << utf8;
    }
    // No look-alikes: "Łódź" must not become "Lodz", a different folder.
    EXPECT_EQ(services.ansiFromUtf8("\u0141\u00f3d\u017a"), "?\xF3"
                                                            "d?");
    EXPECT_TRUE(services.fitsAnsi("M\u00fasica \u20ac?"));
    EXPECT_FALSE(services.fitsAnsi("\u0141\u00f3d\u017a"));

    const auto driver = conformance::makeDriver();
    const std::string folder = driver->scratchFolder();
    if (folder.empty())
        GTEST_SKIP() << "no folder to write in: run Wine with LANG=es_ES.UTF-8";
    // The command works beside the folder, not in it, which its end can
    // then remove.
    const std::string file = folder + "\\sygna\u0142.txt";
    std::optional<ShellResult> answer;
    ASSERT_TRUE(driver->ws().shellExecute(0, std::nullopt, "cmd.exe",
                                          "/c echo hecho> \"" + file + "\"",
                                          folder.substr(0, folder.rfind('\\')), SW_HIDE,
                                          [&](ShellResult result) { answer = result; }));
    ASSERT_TRUE(driver->runUntil([&] { return answer.has_value(); }));
    EXPECT_GT(*answer, 32);
    EXPECT_TRUE(driver->runUntil([&] {
        std::unique_ptr<FileReader> reader = driver->ws().openFile(file);
        return reader && readToEnd(*reader) == "hecho\r\n";
    }));
}

TEST(FileServices, TheUsersOwnFoldersAndShortPaths) {
    const auto driver = conformance::makeDriver();
    WindowSystem& ws = driver->ws();
    const std::optional<std::string> folder = ws.localAppDataFolder();
    ASSERT_TRUE(folder);
    EXPECT_NE(folder->back(), '\\');
    for (KnownFolder known : {KnownFolder::Profile, KnownFolder::Documents, KnownFolder::Pictures,
                              KnownFolder::Music, KnownFolder::Videos}) {
        const std::optional<std::string> path = ws.knownFolder(known);
        ASSERT_TRUE(path);
        EXPECT_TRUE(driver->folderExists(*path)) << *path;
        EXPECT_NE(path->back(), '\\');
    }

    // A folder the code page cannot name has a short path that it can,
    // and that leads into the same folder.
    const std::string scratch = driver->scratchFolder();
    if (scratch.empty())
        GTEST_SKIP() << "no folder to write in: run Wine with LANG=es_ES.UTF-8";
    const std::string lodz = scratch + "\\\u0141\u00f3d\u017a";
    ASSERT_TRUE(ws.createFolders(lodz));
    const std::optional<std::string> shortPath = ws.shortPath(lodz);
    ASSERT_TRUE(shortPath);
    EXPECT_TRUE(ws.fitsAnsi(*shortPath)) << *shortPath;
    ASSERT_EQ(ws.writeFileReplacing(*shortPath + "\\x.txt", "x"), WriteResult::Written);
    EXPECT_TRUE(ws.fileExists(lodz + "\\x.txt"));
    EXPECT_FALSE(ws.shortPath(scratch + "\\no est\u00e1"));
    // The folder the environment names too (not the roaming one).
    wchar_t variable[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", variable, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::wstring wide = wideFromUtf8(*folder);
        EXPECT_EQ(CompareStringOrdinal(wide.c_str(), -1, variable, -1, TRUE), CSTR_EQUAL)
            << *folder << " and " << utf8FromWide(variable);
    }
}

} // namespace
} // namespace tavrin::win32
