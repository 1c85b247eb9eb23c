// The simulated file system: the folders behind "C:\\Program Files" and the
// local application data folder, refused and broken writes, and reading
// in pieces.
#include "file_bytes.h"
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

using testing::readBytes;

TEST(SimDesktopFiles, ReadInPiecesAndFailedWritesLeaveTheOldFileAlone) {
    sim::SimDesktop desk;
    const std::string path = desk.settingsFilePath();
    EXPECT_EQ(desk.readFile(path), std::nullopt);
    EXPECT_FALSE(desk.fileExists(path));
    ASSERT_EQ(desk.writeFileReplacing(path, std::string("old\r\n\0\xFF", 7)), WriteResult::Written);
    EXPECT_TRUE(desk.fileExists(path));
    EXPECT_FALSE(desk.fileExists("C:\\Program Files")); // a folder
    EXPECT_EQ(desk.readFile("c:\\PROGRAM FILES\\Norvane.txt"), std::string("old\r\n\0\xFF", 7));
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
    EXPECT_EQ(desk.readFile("D:\\Norvane.txt"), std::nullopt);
    EXPECT_EQ(desk.writeFileReplacing("D:\\Norvane.txt", "x"), WriteResult::Failed);
    EXPECT_EQ(desk.readFile("C:\\Program FilesX\\Norvane.txt"), std::nullopt);

    auto filesInFolder = [&] {
        return std::distance(std::filesystem::directory_iterator(desk.programFilesFolder()),
                             std::filesystem::directory_iterator());
    };
    desk.setWriteProtected(true);
    EXPECT_EQ(desk.writeFileReplacing(path, "new content"), WriteResult::AccessDenied);
    EXPECT_FALSE(desk.createFolders("C:\\Program Files\\Tavrin"));
    desk.setWriteProtected(false);
    desk.failWritesAfter(3);
    EXPECT_EQ(desk.writeFileReplacing(path, "new content"), WriteResult::Failed);
    EXPECT_EQ(readBytes(desk.settingsFile()), std::string("old\r\n\0\xFF", 7));
    EXPECT_EQ(filesInFolder(), 1);

    desk.setReadLocked(true);
    EXPECT_EQ(desk.readFile(path), std::nullopt);
    EXPECT_EQ(desk.openFile(path), nullptr);
    desk.setReadLocked(false);
    desk.failWritesAfter(std::nullopt);
    EXPECT_EQ(desk.writeFileReplacing(path, "new content"), WriteResult::Written);
    EXPECT_EQ(desk.readFile(path), "new content");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST(SimDesktopFiles, LocalAppDataIsAFolderOfItsOwn) {
    sim::SimDesktop desk;
    const std::string local = "C:\\Users\\invitado\\AppData\\Local";
    EXPECT_EQ(desk.localAppDataFolder(), local);
    const std::string folder = local + "\\VirtualStore\\Program Files";
    const std::string file = folder + "\\Norvane.txt";
    // A file needs its folder; the folder chain is made on demand.
    EXPECT_EQ(desk.writeFileReplacing(file, "x"), WriteResult::Failed);
    desk.setLocalAppDataWriteProtected(true);
    EXPECT_FALSE(desk.createFolders(folder));
    EXPECT_TRUE(desk.createFolders(local)); // there already
    desk.setLocalAppDataWriteProtected(false);
    ASSERT_TRUE(desk.createFolders(folder));
    EXPECT_TRUE(desk.createFolders(folder));
    EXPECT_FALSE(desk.fileExists(folder));
    ASSERT_EQ(desk.writeFileReplacing(file, "per user"), WriteResult::Written);
    EXPECT_EQ(readBytes(desk.localAppDataOnDisk() / "VirtualStore/Program Files/Norvane.txt"),
              "per user");
    EXPECT_FALSE(desk.fileExists(desk.settingsFilePath()));

    desk.setLocalAppDataWriteProtected(true);
    EXPECT_EQ(desk.writeFileReplacing(file, "new"), WriteResult::AccessDenied);
    EXPECT_EQ(desk.readFile(file), "per user");

    desk.setLocalAppDataUnknown(true);
    EXPECT_EQ(desk.localAppDataFolder(), std::nullopt);
}

} // namespace
} // namespace tavrin
