// Files on both desktops: what is not there, a write that replaces the
// whole file in one step, reading in pieces and without regard to case, a
// refused write that leaves the old file, and the folder chain the
// per-user copy needs. (Where the settings file and its per-user copy lie:
// settings_file_test.cpp.)
#include "desktop_driver.h"

#include <gtest/gtest.h>

namespace tavrin::conformance {
namespace {

std::optional<std::string> readFile(WindowSystem& files, const std::string& path) {
    std::unique_ptr<FileReader> file = files.openFile(path);
    return file ? readToEnd(*file) : std::nullopt;
}

TEST(FileConformance, AWriteReplacesTheWholeFileARefusedOneLeavesItAndFoldersAreMadeOnDemand) {
    const auto driver = makeDriver();
    WindowSystem& files = driver->ws();
    const std::string folder = driver->scratchFolder();
    if (folder.empty())
        GTEST_SKIP()
            << "no folder to write in: run Wine with LANG=es_ES.UTF-8 (a generated locale)";
    const std::string target = folder + "\\Norvane.txt";
    EXPECT_FALSE(files.fileExists(target));
    EXPECT_EQ(files.openFile(target), nullptr);

    const std::string first("Escritorio\r\n\xE1\0\xFF\r\n", 16);
    ASSERT_EQ(files.writeFileReplacing(target, first), WriteResult::Written);
    {
        // Read in pieces, as the settings file is; closed at the end of the
        // block, or the file could not be replaced.
        std::unique_ptr<FileReader> reader = files.openFile(folder + "\\NORVANE.TXT");
        ASSERT_NE(reader, nullptr);
        char piece[10];
        EXPECT_EQ(reader->read(piece, sizeof piece), sizeof piece);
        EXPECT_EQ(std::string(piece, sizeof piece), first.substr(0, sizeof piece));
        EXPECT_EQ(readToEnd(*reader), first.substr(sizeof piece));
        EXPECT_EQ(reader->read(piece, sizeof piece), 0u);
    }
    EXPECT_TRUE(files.fileExists(target));
    EXPECT_FALSE(files.fileExists(folder)); // a folder, not a file
    EXPECT_FALSE(files.fileExists(folder + "X\\Norvane.txt"));

    // A shorter content leaves nothing of the longer one, and a leftover
    // from an interrupted save does not stand in the way.
    ASSERT_EQ(files.writeFileReplacing(target, ""), WriteResult::Written);
    EXPECT_EQ(readFile(files, target), "");
    ASSERT_EQ(files.writeFileReplacing(target + ".new", "stale"), WriteResult::Written);
    ASSERT_EQ(files.writeFileReplacing(target, "C:\\\r\n"), WriteResult::Written);
    EXPECT_EQ(readFile(files, target), "C:\\\r\n");
    EXPECT_FALSE(files.fileExists(target + ".new"));

    // A file needs its folder: the failed save makes none. The chain is
    // made on demand.
    const std::string deep = folder + "\\VirtualStore\\Program Files";
    const std::string file = deep + "\\Norvane.txt";
    EXPECT_EQ(files.writeFileReplacing(file, "x"), WriteResult::Failed);
    EXPECT_FALSE(driver->folderExists(folder + "\\VirtualStore"));
    ASSERT_TRUE(files.createFolders(deep));
    EXPECT_TRUE(driver->folderExists(deep));
    EXPECT_TRUE(files.createFolders(deep + "\\")); // there already
    ASSERT_EQ(files.writeFileReplacing(file, "por usuario"), WriteResult::Written);
    EXPECT_EQ(readFile(files, file), "por usuario");
    // A file where a folder belongs, and a folder where a file belongs.
    EXPECT_FALSE(files.createFolders(file + "\\dentro"));
    EXPECT_EQ(files.writeFileReplacing(deep, "x"), WriteResult::Failed);

    // Refused as a read-only file is: the answer that sends a save to the
    // per-user copy, and the old file stays.
    driver->refuseWrites(target);
    EXPECT_EQ(files.writeFileReplacing(target, "new\r\n"), WriteResult::AccessDenied);
    EXPECT_EQ(readFile(files, target), "C:\\\r\n");
    EXPECT_FALSE(files.fileExists(target + ".new"));
}

} // namespace
} // namespace tavrin::conformance
