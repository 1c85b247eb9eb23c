// A program running on a fresh simulated desktop, with helpers to write the
// settings file and load the bar.
#pragma once

#include "app/program.h"
#include "bar/frm_side.h"
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tavrin::testing {

// The start-up defaults as the file holds them, for the user "invitado":
// the tiles' names, their folders, their glyphs' colours, then the caption
// grey, the side, the glyphs, the full height, the opacity and the seventh
// glyph's colour.
inline std::vector<std::string> defaultLines() {
    const std::string profile = "C:\\Users\\invitado";
    std::vector<std::string> lines{"Equipo",        "Personal", "Documentos", "Im\xC3\xA1genes",
                                   "M\xC3\xBAsica", "Videos",   "C:\\",       profile};
    for (const char* folder : {"\\Documents", "\\Pictures", "\\Music", "\\Videos"})
        lines.push_back(profile + folder);
    for (const char* value :
         {"16777215", "16777215", "16777215", "16777215", "16777215", "16777215", "255", "0", "0",
          "0", "0", "0", "0", "0", "0", "1", "240", "16777215"})
        lines.emplace_back(value);
    return lines;
}

// The lines, each ended by CR LF.
inline std::string crlfJoined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class BarTest : public ::testing::Test {
  protected:
    // A handler that failed fails the test, unless the test expects it.
    void TearDown() override {
        EXPECT_EQ(desk.escapedHandlers().size(), expectedEscapes)
            << "handlers failed that the test did not expect to";
    }

    sim::SimDesktop desk;
    Program program{desk};
    std::size_t expectedEscapes = 0;

    SettingsRecord& settings() { return program.module1.Settings; }

    void writeFileBytes(const std::string& bytes) {
        desk.files().put(desk.settingsFilePath(), bytes);
    }
    // Lines in UTF-8, stored as Windows-1252, each ended by CR LF.
    void writeLines(const std::vector<std::string>& lines) {
        writeFileBytes(desk.ansiFromUtf8(crlfJoined(lines)));
    }
    std::string fileBytes() { return desk.files().read(desk.settingsFilePath()).value_or(""); }
    // The per-user copy of the settings file.
    static std::string perUserFile() {
        return "C:\\Users\\invitado\\AppData\\Local\\VirtualStore\\Program Files\\Norvane.txt";
    }
    // The settings file of the defaults with some lines changed.
    void writeDefaultsWith(std::initializer_list<std::pair<std::size_t, std::string>> changes) {
        std::vector<std::string> lines = defaultLines();
        for (const auto& [line, value] : changes)
            lines[line] = value;
        writeLines(lines);
    }
    // The bar made anew and shown: it reads the settings file again.
    frmSide& loadBar() {
        program.unload<frmSide>();
        frmSide& bar = program.form<frmSide>();
        bar.show();
        return bar;
    }
    // ... and opened by hand to its full width, where the mouse reaches it.
    frmSide& openedBar() {
        frmSide& bar = loadBar();
        bar.setWidth(1590);
        return bar;
    }
};

} // namespace tavrin::testing
