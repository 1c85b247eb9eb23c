// Writing the settings file, and where: "C:\Program Files" when it may be
// written, else a per-user copy in the user's VirtualStore, which once
// there is read and written in its place. (That what the settings window
// saves the bar reads back, the fuzzer of a user's actions shows:
// tests/fuzz/fuzz_actions.cpp.)
#include "bar_fixture.h"

#include "platform/codepage.h"

namespace tavrin::testing {
namespace {

TEST_F(BarTest, TheDefaultsAreWrittenLineForLineInTheAnsiCodePage) {
    loadBar();
    settings().LeftSide = 0;
    program.module1.eSave();
    const std::string bytes = fileBytes();
    EXPECT_EQ(bytes, cp1252FromUtf8(crlfJoined(defaultLines())));
    EXPECT_NE(bytes.find("Im\xE1genes\r\n"), std::string::npos);
    EXPECT_TRUE(desk.messageBoxes().empty());

    // A folder the code page cannot write goes in by its short name, which
    // still opens it; without one, and in any other value, what the code
    // page lacks becomes '?'.
    const std::string lodz = "C:\\Users\\invitado\\\u0141\u00f3d\u017a";
    desk.files().makeFolders(lodz);
    desk.setShortPath(lodz, "C:\\Users\\invitado\\DZ1F2A~1");
    desk.setShortPath("C:\\\u0141\u00f3d\u017a", "C:\\DZ1F2A~1"); // not there
    desk.setShortPath("C:\\Users\\invitado\\Pictures", "C:\\Users\\invitado\\PICTUR~1");
    settings().ShortcutName[0] = "\u0141\u00f3d\u017a";
    settings().ShortcutFolder[1] = lodz;
    settings().ShortcutFolder[2] = "C:\\\u0141\u00f3d\u017a";
    program.module1.eSave();
    const std::string saved = fileBytes();
    EXPECT_EQ(saved.substr(0, saved.find("Personal")), "?\xF3"
                                                       "d?\r\n");
    EXPECT_NE(saved.find("\r\nC:\\\r\nC:\\Users\\invitado\\DZ1F2A~1\r\nC:\\?\xF3"
                         "d?\r\nC:\\Users\\invitado\\Pictures\r\n"),
              std::string::npos)
        << saved;
}

// A write that breaks off halfway through the new content; it is not
// refused access, so no per-user copy takes it.
TEST_F(BarTest, AFailedWriteLeavesTheOldFileAndSaysSoOnce) {
    const std::string old = "old settings\r\n";
    writeFileBytes(old);
    loadBar();
    desk.failWritesAfter(100);
    const SettingsRecord kept = settings();
    program.module1.eSave();
    EXPECT_EQ(desk.messageBoxes().size(), 1u);
    EXPECT_EQ(fileBytes(), old);
    EXPECT_EQ(settings(), kept);
    EXPECT_EQ(desk.files().list("C:\\Program Files"), std::vector<std::string>{"Norvane.txt"});
    // Only a refused file goes to the per-user copy: not even its folders are made.
    EXPECT_FALSE(desk.files().isFolder("C:\\Users\\invitado\\AppData\\Local\\VirtualStore"));
}

std::string withName(const std::string& name) {
    std::vector<std::string> lines = defaultLines();
    lines[0] = name;
    return crlfJoined(lines);
}

TEST_F(BarTest, AProtectedProgramFilesSendsTheSaveToAPerUserCopyWhichThenTakesItsPlace) {
    writeFileBytes(withName("Real"));
    loadBar();
    EXPECT_EQ(settings().ShortcutName[0].text(), "Real");
    // Where Program Files may be written, the file itself; nothing is made
    // in the user's folders.
    settings().ShortcutName[0] = "Nuevo";
    program.module1.eSave();
    EXPECT_EQ(fileBytes(), withName("Nuevo"));
    EXPECT_TRUE(desk.files().list(*desk.localAppDataFolder()).empty());

    desk.setWriteProtected(true);
    settings().ShortcutName[0] = "Copia";
    program.module1.eSave();
    EXPECT_EQ(fileBytes(), withName("Nuevo"));
    EXPECT_EQ(desk.files().read(perUserFile()), withName("Copia"));
    EXPECT_FALSE(desk.files().exists(perUserFile() + ".new"));

    // The bar that the save rebuilds reads the copy.
    loadBar();
    EXPECT_EQ(settings().ShortcutName[0].text(), "Copia");

    // Once there, the copy takes every save, even where the file itself
    // could now be written: the file would never be read again.
    desk.setWriteProtected(false);
    settings().ShortcutName[0] = "Otra";
    program.module1.eSave();
    EXPECT_EQ(desk.files().read(perUserFile()), withName("Otra"));
    EXPECT_EQ(fileBytes(), withName("Nuevo"));
    EXPECT_TRUE(desk.messageBoxes().empty());

    // An empty copy is still the copy; without one the file itself is read.
    desk.files().put(perUserFile(), "");
    EXPECT_EQ(loadBar().Labels[0].caption(), "");
    desk.files().remove(perUserFile());
    EXPECT_EQ(loadBar().Labels[0].caption(), "Nuevo");
}

TEST_F(BarTest, ASaveNoPlaceTakesLeavesEveryFileAndSaysSo) {
    // A per-user copy that may not be written: the file itself, though
    // writable, is not used instead.
    writeFileBytes(withName("Real"));
    desk.files().put(perUserFile(), withName("Copia"));
    loadBar();
    desk.setLocalAppDataWriteProtected(true);
    settings().ShortcutName[0] = "Nuevo";
    program.module1.eSave();
    ASSERT_EQ(desk.messageBoxes().size(), 1u);
    EXPECT_EQ(desk.messageBoxes()[0].text,
              "No se puede guardar la configuración, revice que en 'C:\\File Programs' no esté "
              "protegido contra escritura.");
    EXPECT_EQ(desk.messageBoxes()[0].caption, "Tavrin");
    EXPECT_EQ(desk.messageBoxes()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(desk.files().read(perUserFile()), withName("Copia"));
    EXPECT_EQ(fileBytes(), withName("Real"));

    // A protected Program Files and no local application data folder.
    desk.files().remove(perUserFile());
    desk.setLocalAppDataWriteProtected(false);
    desk.setLocalAppDataUnknown(true);
    desk.setWriteProtected(true);
    program.module1.eSave();
    EXPECT_EQ(desk.messageBoxes().size(), 2u);
    EXPECT_EQ(fileBytes(), withName("Real"));
}

} // namespace
} // namespace tavrin::testing
