// What only the real system shows of the services beside the windows: the
// ANSI code page, the user's name, the clock and locale, the cursor and
// the shell (the screen's size in twips, and the stacking calls leaving
// the user's window active, show in the bar: windows_test.cpp; the message
// box's text, in the conformance suite); and files: reading in pieces,
// replacing a file in one step, what a refused write answers, making a
// folder chain and the user's local application data folder. (Where the
// settings file and its per-user copy lie is decided alike on both
// desktops: the native tests show it.)
#include "platform/win32/file_services.h"
#include "platform/win32/system_services.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_desktop.h"

#include "conformance/desktop_driver.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

namespace tavrin::win32 {
namespace {

// The user's name and a NUL over the blanks; a civil time, a long date
// that names its year, and the cursor on the screen.
TEST(SystemServices, UserNameNowLongDateAndCursor) {
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
    if (PRIMARYLANGID(GetUserDefaultLangID()) == LANG_SPANISH) {
        EXPECT_NE(date.find(" de "), std::string::npos) << date;
    }

    Point cursor{-99999, -99999};
    ASSERT_TRUE(services.getCursorPos(cursor));
    EXPECT_GE(cursor.x, 0);
    EXPECT_LT(cursor.x, GetSystemMetrics(SM_CXSCREEN));
}

// Spanish folder names round-trip through Windows-1252, and reach the
// shell in it.
TEST(SystemServices, SpanishTextRoundTripsThroughCp1252AndReachesTheShellInIt) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the ANSI code page is " << GetACP()
                     << ", not 1252: run Wine with LANG=es_ES.UTF-8 or en_US.UTF-8";
    SystemServices services;
    for (auto [utf8, ansi] : {std::pair{"Im\u00e1genes", "Im\xE1genes"},
                              {"M\u00fasica", "M\xFAsica"},
                              {"Configuraci\u00f3n", "Configuraci\xF3n"},
                              {"\u20ac 5", "\x80 5"},
                              {"", ""}}) {
        EXPECT_EQ(services.ansiFromUtf8(utf8), ansi) << utf8;
        EXPECT_EQ(services.utf8FromAnsi(ansi), utf8) << utf8;
    }
    // No look-alikes: "Łódź" must not become "Lodz", a different folder.
    EXPECT_EQ(services.ansiFromUtf8("\u0141\u00f3d\u017a"), "?\xF3"
                                                            "d?");

    const auto driver = conformance::makeDriver();
    TempFolder folder;
    if (!folder.created())
        GTEST_SKIP() << folder.whyNotCreated();
    const std::string marker = folder.file("se\u00f1al.txt");
    EXPECT_GT(services.shellExecute(0, std::nullopt, "cmd.exe",
                                    std::string("/c echo hecho> se\u00f1al.txt"), folder.path(),
                                    SW_HIDE),
              32);
    FileServices files;
    EXPECT_TRUE(driver->runUntil([&] { return files.readFile(marker).has_value(); }));

    EXPECT_LE(services.shellExecute(0, std::nullopt, folder.file("no-existe.exe"), std::nullopt,
                                    std::nullopt, SW_HIDE),
              32);
}

bool isFolder(const std::string& utf8) {
    const DWORD attributes = GetFileAttributesW(wideFromUtf8(utf8).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(FileServices, WriteReplacesTheWholeFileARefusedOneLeavesTheOldAndFoldersAreMadeOnDemand) {
    FileServices files;
    TempFolder folder;
    if (!folder.created())
        GTEST_SKIP() << folder.whyNotCreated();
    const std::string target = folder.file("Norvane.txt");
    EXPECT_FALSE(files.readFile(target));

    const std::string first("Escritorio\r\n\xE1\0\xFF\r\n", 16);
    ASSERT_EQ(files.writeFileReplacing(target, first), WriteResult::Written);
    EXPECT_EQ(files.readFile(target), first);
    {
        // Read in pieces, as the settings file is; closed at the end of
        // the block, or the file could not be replaced.
        std::unique_ptr<FileReader> reader = files.openFile(target);
        ASSERT_NE(reader, nullptr);
        char piece[10];
        EXPECT_EQ(reader->read(piece, sizeof piece), sizeof piece);
        EXPECT_EQ(std::string(piece, sizeof piece), first.substr(0, sizeof piece));
        EXPECT_EQ(readToEnd(*reader), first.substr(sizeof piece));
        EXPECT_EQ(reader->read(piece, sizeof piece), 0u);
    }

    // A shorter content leaves nothing of the longer one, and a leftover
    // from an interrupted save does not stand in the way.
    ASSERT_EQ(files.writeFileReplacing(target, ""), WriteResult::Written);
    EXPECT_EQ(files.readFile(target), "");
    ASSERT_EQ(files.writeFileReplacing(target + ".new", "stale"), WriteResult::Written);
    ASSERT_EQ(files.writeFileReplacing(target, "C:\\\r\n"), WriteResult::Written);
    EXPECT_EQ(files.readFile(target), "C:\\\r\n");
    EXPECT_FALSE(files.fileExists(target + ".new"));

    ASSERT_TRUE(SetFileAttributesW(wideFromUtf8(target).c_str(), FILE_ATTRIBUTE_READONLY));
    // Refused as Windows refuses it: the answer that sends a save to the
    // per-user copy.
    EXPECT_EQ(files.writeFileReplacing(target, "new\r\n"), WriteResult::AccessDenied);
    EXPECT_EQ(files.readFile(target), "C:\\\r\n");
    EXPECT_FALSE(files.fileExists(target + ".new"));

    // A folder chain to write into, as the per-user copy needs.
    const std::string deep = folder.file("VirtualStore\\Program Files");
    const std::string file = deep + "\\Norvane.txt";
    // A file needs its folder: the failed save makes none, and leaves nothing.
    EXPECT_EQ(files.writeFileReplacing(file, "x"), WriteResult::Failed);
    EXPECT_FALSE(files.fileExists(file));
    EXPECT_FALSE(isFolder(folder.file("VirtualStore")));

    ASSERT_TRUE(files.createFolders(deep));
    EXPECT_TRUE(isFolder(deep));
    EXPECT_TRUE(files.createFolders(deep)); // there already
    EXPECT_TRUE(files.createFolders(deep + "\\"));
    ASSERT_EQ(files.writeFileReplacing(file, "por usuario"), WriteResult::Written);
    EXPECT_TRUE(files.fileExists(file));
    EXPECT_FALSE(files.fileExists(deep)); // a folder, not a file
    EXPECT_EQ(files.readFile(file), "por usuario");

    // A file stands where a folder of the chain should be.
    EXPECT_FALSE(files.createFolders(file + "\\dentro"));
}

TEST(FileServices, LocalAppDataIsTheUsersOwnFolder) {
    Win32Desktop desktop;
    const std::optional<std::string> folder = desktop.localAppDataFolder();
    ASSERT_TRUE(folder);
    EXPECT_TRUE(isFolder(*folder)) << *folder;
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
