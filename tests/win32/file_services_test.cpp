// Files on the real system: reading in pieces, replacing a file in one
// step, what a refused write answers, making a folder chain and the user's
// local application data folder, where the settings file's per-user copy
// lies. (Which of the two places the program reads and writes is decided
// alike on both desktops: the native tests show it.)
#include "app/settings_location.h"
#include "platform/win32/file_services.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_desktop.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

namespace tavrin::win32 {
namespace {

bool isFolder(const std::string& utf8) {
    const DWORD attributes = GetFileAttributesW(wideFromUtf8(utf8).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(FileServices, WriteReplacesTheWholeFileAndARefusedOneLeavesTheOldFile) {
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
    EXPECT_FALSE(fileExists(target + ".new"));

    ASSERT_TRUE(SetFileAttributesW(wideFromUtf8(target).c_str(), FILE_ATTRIBUTE_READONLY));
    // Refused as Windows refuses it: the answer that sends a save to the
    // per-user copy.
    EXPECT_EQ(files.writeFileReplacing(target, "new\r\n"), WriteResult::AccessDenied);
    EXPECT_EQ(files.readFile(target), "C:\\\r\n");
    EXPECT_FALSE(fileExists(target + ".new"));
}

TEST(FileServices, MakesAFolderChainToWriteInto) {
    FileServices files;
    TempFolder folder("cadena");
    if (!folder.created())
        GTEST_SKIP() << folder.whyNotCreated();
    const std::string deep = folder.file("VirtualStore\\Program Files");
    const std::string file = deep + "\\Norvane.txt";
    // A file needs its folder: the failed save makes none, and leaves nothing.
    EXPECT_EQ(files.writeFileReplacing(file, "x"), WriteResult::Failed);
    EXPECT_FALSE(files.fileExists(file));
    EXPECT_FALSE(fileExists(folder.file("VirtualStore")));

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

TEST(FileServices, LocalAppDataIsTheUsersOwnFolderAndHoldsThePerUserCopy) {
    Win32Desktop desktop;
    const std::optional<std::string> folder = desktop.localAppDataFolder();
    ASSERT_TRUE(folder);
    EXPECT_TRUE(isFolder(*folder)) << *folder;
    EXPECT_NE(folder->back(), '\\');
    EXPECT_EQ(perUserSettingsPath(desktop),
              *folder + "\\VirtualStore\\Program Files\\Norvane.txt");
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
