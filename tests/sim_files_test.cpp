// The simulated file system, beyond what the settings tests show of it
// (refused writes in either folder, a write that breaks off, the per-user
// copy's place and folder chain): paths as Windows compares them, what is
// not there, folders made on demand, reading in pieces, a file replaced
// under an open reader and a file locked against reading.
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(SimDesktopFiles, PathsFoldersPiecesAndALockedFile) {
    sim::SimDesktop desk;
    const std::string path = desk.settingsFilePath();
    EXPECT_EQ(desk.readFile(path), std::nullopt);
    EXPECT_FALSE(desk.fileExists(path));
    const std::string old("old\r\n\0\xFF", 7);
    ASSERT_EQ(desk.writeFileReplacing(path, old), WriteResult::Written);
    EXPECT_EQ(desk.files().read(path), old);
    EXPECT_TRUE(desk.fileExists(path));
    EXPECT_FALSE(desk.fileExists("C:\\Program Files")); // a folder
    EXPECT_EQ(desk.readFile("c:\\PROGRAM FILES\\Norvane.txt"), old);
    EXPECT_EQ(desk.readFile("C:\\Program FilesX\\Norvane.txt"), std::nullopt);
    EXPECT_EQ(desk.readFile("D:\\Norvane.txt"), std::nullopt);
    EXPECT_EQ(desk.writeFileReplacing("D:\\Norvane.txt", "x"), WriteResult::Failed);
    {
        // Read in pieces, as the settings file is.
        std::unique_ptr<FileReader> file = desk.openFile(path);
        ASSERT_NE(file, nullptr);
        char piece[4];
        EXPECT_EQ(file->read(piece, sizeof piece), 4u);
        EXPECT_EQ(std::string(piece, 4), "old\r");
        EXPECT_EQ(file->read(piece, sizeof piece), 3u);
        EXPECT_EQ(file->read(piece, sizeof piece), 0u);
    }
    {
        // A reader open on the file goes on reading what it opened.
        std::unique_ptr<FileReader> file = desk.openFile("C:\\Program Files\\\\Norvane.txt\\");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(desk.writeFileReplacing(path, "new"), WriteResult::Written);
        EXPECT_EQ(readToEnd(*file), old);
        EXPECT_EQ(desk.readFile(path), "new");
        ASSERT_EQ(desk.writeFileReplacing(path, old), WriteResult::Written);
    }
    desk.setReadLocked(true);
    EXPECT_EQ(desk.readFile(path), std::nullopt);
    EXPECT_EQ(desk.openFile(path), nullptr);
    desk.setReadLocked(false);
    EXPECT_EQ(desk.readFile(path), old);

    // A file needs its folder; the folder chain is made on demand, where
    // the folder may be written.
    const std::string local = *desk.localAppDataFolder();
    const std::string folder = local + "\\VirtualStore\\Program Files";
    EXPECT_EQ(desk.writeFileReplacing(folder + "\\Norvane.txt", "x"), WriteResult::Failed);
    ASSERT_TRUE(desk.createFolders(folder));
    EXPECT_TRUE(desk.createFolders(folder)); // there already
    // A file where a folder belongs, and a folder where a file belongs.
    EXPECT_FALSE(desk.createFolders(path + "\\Tavrin"));
    EXPECT_EQ(desk.writeFileReplacing(folder, "x"), WriteResult::Failed);
    EXPECT_EQ(desk.files().list(local + "\\VirtualStore"),
              std::vector<std::string>{"Program Files"});
    desk.setLocalAppDataWriteProtected(true);
    EXPECT_TRUE(desk.createFolders(local));
    desk.setWriteProtected(true);
    EXPECT_FALSE(desk.createFolders("C:\\Program Files\\Tavrin"));
}

} // namespace
} // namespace tavrin
