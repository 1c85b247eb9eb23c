// The settings file's place on the real system: the file in "Program
// Files" while it may be written, else a per-user copy in a folder chain
// made for it under the local application data folder, which is then read
// first. Both places are temporary folders here, and a read-only file
// stands for a "Program Files" that refuses the write.
#include "app/program.h"
#include "app/settings_location.h"
#include "bar/frm_side.h"
#include "platform/win32/file_services.h"
#include "platform/win32/win32_desktop.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tavrin::win32 {
namespace {

class TempPlacesDesktop : public Win32Desktop {
  public:
    TempPlacesDesktop(std::string programFiles, std::string localAppData)
        : programFiles_(std::move(programFiles)), localAppData_(std::move(localAppData)) {}
    std::string settingsFilePath() const override { return programFiles_ + "\\Norvane.txt"; }
    std::optional<std::string> localAppDataFolder() const override { return localAppData_; }

  private:
    std::string programFiles_;
    std::string localAppData_;
};

void setReadOnly(const std::string& path, bool readOnly) {
    SetFileAttributesW(wideFromUtf8(path).c_str(),
                       readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

std::optional<std::string> readSettings(WindowSystem& ws) {
    std::unique_ptr<FileReader> file = openSettingsFile(ws);
    return file ? readToEnd(*file) : std::nullopt;
}

TEST(SettingsLocation, ThePerUserCopyLiesInTheVirtualStoreOfLocalAppData) {
    Win32Desktop desktop;
    const std::optional<std::string> local = desktop.localAppDataFolder();
    ASSERT_TRUE(local);
    EXPECT_EQ(perUserSettingsPath(desktop), *local + "\\VirtualStore\\Program Files\\Norvane.txt");
}

TEST(SettingsLocation, ARefusedSaveGoesToAFreshPerUserCopyWhichIsThenReadFirst) {
    TempFolder programFiles("programas"), localAppData("local");
    if (!programFiles.created() || !localAppData.created())
        GTEST_SKIP() << programFiles.whyNotCreated();
    TempPlacesDesktop desktop(programFiles.path(), localAppData.path());
    FileServices files;
    const std::string real = desktop.settingsFilePath();
    const std::string perUser = *perUserSettingsPath(desktop);

    // The file itself while it may be written; nothing in the user's folder.
    ASSERT_TRUE(writeSettingsFile(desktop, "uno\r\n"));
    EXPECT_EQ(files.readFile(real), "uno\r\n");
    EXPECT_FALSE(fileExists(localAppData.file("VirtualStore")));
    EXPECT_EQ(readSettings(desktop), "uno\r\n");

    // Refused: the copy, in a folder chain made for it, and read from now on.
    setReadOnly(real, true);
    ASSERT_TRUE(writeSettingsFile(desktop, "dos\r\n"));
    EXPECT_EQ(readSettings(desktop), "dos\r\n");
    setReadOnly(real, false);
    EXPECT_EQ(files.readFile(real), "uno\r\n");
    EXPECT_FALSE(fileExists(real + ".new"));

    // The copy takes every later save.
    ASSERT_TRUE(writeSettingsFile(desktop, "tres\r\n"));
    EXPECT_EQ(files.readFile(perUser), "tres\r\n");
    EXPECT_EQ(files.readFile(real), "uno\r\n");

    // Neither place may be written.
    setReadOnly(perUser, true);
    EXPECT_FALSE(writeSettingsFile(desktop, "cuatro\r\n"));
    EXPECT_EQ(readSettings(desktop), "tres\r\n");
    setReadOnly(perUser, false);
}

TEST(SettingsLocation, TheBarShowsAnExistingPerUserCopyRatherThanTheFile) {
    TempFolder programFiles("programas"), localAppData("local");
    if (!programFiles.created() || !localAppData.created())
        GTEST_SKIP() << programFiles.whyNotCreated();
    TempPlacesDesktop desktop(programFiles.path(), localAppData.path());
    const std::string perUser = *perUserSettingsPath(desktop);
    ASSERT_EQ(desktop.writeFileReplacing(desktop.settingsFilePath(), "Archivo\r\n"),
              WriteResult::Written);
    ASSERT_TRUE(desktop.createFolders(perUser.substr(0, perUser.rfind('\\'))));
    ASSERT_EQ(desktop.writeFileReplacing(perUser, "Copia\r\n"), WriteResult::Written);

    Program program(desktop);
    frmSide& bar = program.form<frmSide>();
    EXPECT_EQ(bar.List1.item(0), "Copia");
    EXPECT_EQ(bar.Labels[0].caption(), "Copia");
    program.unload<frmSide>();
}

} // namespace
} // namespace tavrin::win32
