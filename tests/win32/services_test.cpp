// What only the real system shows of the services beside the windows: the
// ANSI code page, the user's name, the clock and locale, and the shell
// (the screen's size in twips, and the stacking calls leaving the user's
// window active, show in the bar: windows_test.cpp; the message box's text
// and files, in the conformance suite); and the user's local application
// data folder.
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

// Spanish folder names round-trip through Windows-1252, and reach the
// shell in it.
TEST(SystemServices, SpanishTextRoundTripsThroughCp1252AndReachesTheShellInIt) {
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

    const auto driver = conformance::makeDriver();
    const std::string folder = driver->scratchFolder();
    if (folder.empty())
        GTEST_SKIP() << "no folder to write in: run Wine with LANG=es_ES.UTF-8";
    EXPECT_GT(services.shellExecute(0, std::nullopt, "cmd.exe",
                                    std::string("/c echo hecho> se\u00f1al.txt"), folder, SW_HIDE),
              32);
    EXPECT_TRUE(
        driver->runUntil([&] { return driver->ws().fileExists(folder + "\\se\u00f1al.txt"); }));
}

TEST(FileServices, LocalAppDataIsTheUsersOwnFolder) {
    const auto driver = conformance::makeDriver();
    const std::optional<std::string> folder = driver->ws().localAppDataFolder();
    ASSERT_TRUE(folder);
    EXPECT_NE(folder->back(), '\\');
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
