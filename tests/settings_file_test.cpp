// Writing the settings file, and reading back what was written.
#include "bar_fixture.h"

#include "platform/codepage.h"

#include <algorithm>

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
}

TEST_F(BarTest, WhatIsWrittenReadsBackTheSame) {
    loadBar();
    SettingsRecord& s = settings();
    s.ShortcutName[0] = "Canción ñ €";
    s.ShortcutName[5] = "";
    s.ShortcutFolder[5] = "D:\\Fotos de verano";
    s.ShortcutColor[2] = 1776568;
    s.LightLevel = "2e2";
    s.LeftSide = 1;
    s.ShortcutGlyph[1] = "&";
    s.ShortcutGlyph[2] = "ü";
    s.FullHeight = 0;
    s.GlassAlpha = 200;
    s.ShortcutColor[6] = 84737;
    const std::string written = settingsFileText(s);
    program.module1.eSave();
    loadBar();
    SettingsRecord back = settings();
    EXPECT_EQ(back.ShortcutGlyph[1].text(), "&&");
    back.ShortcutGlyph[1] = "&";
    EXPECT_EQ(settingsFileText(back), written);
}

TEST_F(BarTest, AValueHoldingLineBreaksStaysOnItsLine) {
    loadBar();
    settings().ShortcutName[0] = "Dos\r\nlíneas\ny\r\rmás";
    program.module1.eSave();
    loadBar();
    EXPECT_EQ(settings().ShortcutName[0].text(), "Dos líneas y más");
    EXPECT_EQ(settings().ShortcutName[1].text(), "Personal");
    EXPECT_EQ(settings().GlassAlpha, 240);
    const std::string bytes = fileBytes();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 30);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 30);
}

// A write that breaks off halfway through the new content; it is not
// refused access, so no per-user copy takes it. (What a refused write does
// is in settings_location_test.cpp.)
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
    EXPECT_FALSE(desk.files().exists(perUserFile()));

    desk.failWritesAfter(std::nullopt);
    program.module1.eSave();
    EXPECT_EQ(desk.messageBoxes().size(), 1u);
    EXPECT_EQ(fileBytes(), desk.ansiFromUtf8(settingsFileText(settings())));
}

} // namespace
} // namespace tavrin::testing
