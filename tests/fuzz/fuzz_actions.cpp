// Plays a user's actions, drawn from the fuzzer's bytes, against the whole
// program on a fresh simulated desktop: cursor moves anywhere, along the
// bar's edge and over the open bar; dwells on the hot corners and touches
// shorter than the dwell; hovers, presses and clicks on the tiles; edits in
// the settings window, "GUARDAR" and closing it; changes of the screen's
// size; a disk that refuses writes, cuts them short or locks the file, and
// heals again. After every action the cursor goes to the middle of the
// screen: the bar must collapse and rest on its hot corners with the clock
// panel gone; the settings file must be absent until the first save, then
// hold exactly what the program wrote for the settings last saved (a failed
// save, which the program reports, leaves every file as it was); and no
// handler may have failed.
#include "app/program.h"
#include "app/settings_location.h"
#include "bar/frm_side.h"
#include "clock/frm_date.h"
#include "config/frm_config.h"
#include "platform/sim/sim_desktop.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace tavrin {
namespace {

constexpr int kSettleMs = 1000;   // more than any fade-in and collapse take
constexpr int kPauseMostMs = 300; // between a hand's moves
constexpr int kBackspace = 8;

void require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "failed: %s\n", what);
    std::abort();
}

class Player {
  public:
    explicit Player(FuzzedDataProvider& in) : in_(in) {
        program_.form<frmSide>().show();
        check();
    }

    void play() {
        using Action = void (Player::*)();
        static constexpr Action kActions[] = {
            &Player::moves,         &Player::openBar,      &Player::touchCorner,
            &Player::tiles,         &Player::editSettings, &Player::save,
            &Player::closeSettings, &Player::changeScreen, &Player::changeDisk};
        (this->*kActions[in_.ConsumeIntegralInRange<std::size_t>(0, std::size(kActions) - 1)])();
        check();
    }

  private:
    frmSide& bar() { return *program_.loaded<frmSide>(); }
    const SettingsRecord& settings() const { return program_.module1.Settings; }
    long pixelsWide() const {
        return static_cast<long>(desk_.screenWidth() / desk_.screenScale().twipsPerPixel());
    }
    long pixelsHigh() const {
        return static_cast<long>(desk_.screenHeight() / desk_.screenScale().twipsPerPixel());
    }
    // The hot corners lie on the bar's edge of the screen.
    Point corner(bool top) const {
        const long x = settings().leftSide() >= 1 ? 0 : pixelsWide() - 1;
        return {x, top ? 0 : pixelsHigh() - 1};
    }
    Point anywhere() {
        return {in_.ConsumeIntegralInRange<long>(0, pixelsWide() - 1),
                in_.ConsumeIntegralInRange<long>(0, pixelsHigh() - 1)};
    }
    // Where the open bar stays open: a left bar collapses from 1500 twips
    // on (100 px at 96 dpi), 6 px inside its inner edge.
    Point onBar() {
        const double twipsPerPixel = desk_.screenScale().twipsPerPixel();
        const long edge = corner(true).x;
        const long reach =
            static_cast<long>((edge == 0 ? 1500 : bar().frmeBar.width()) / twipsPerPixel);
        const long inward = in_.ConsumeIntegralInRange<long>(0, reach - 1);
        return {edge == 0 ? inward : edge - inward, anywhere().y};
    }
    void pause() { desk_.advance(in_.ConsumeIntegralInRange(0, kPauseMostMs)); }
    bool collapsed() { return bar().HScroll1.value() == bar().HScroll1.min(); }

    // Anywhere, along the bar's edge, over the open bar, onto a hot corner.
    void moves() {
        for (int n = in_.ConsumeIntegralInRange(1, 4); n > 0; --n) {
            const int kind = in_.ConsumeIntegralInRange(0, 3);
            cursorTo(kind == 0   ? anywhere()
                     : kind == 1 ? Point{corner(true).x, anywhere().y}
                     : kind == 2 ? onBar()
                                 : corner(in_.ConsumeBool()));
            pause();
        }
    }
    void cursorTo(Point p) { desk_.setCursor(p.x, p.y); }

    // Long enough on a hot corner for the dwell and the first steps of the
    // fade-in; the cursor then moves over the bar.
    void openBar() {
        cursorTo(corner(in_.ConsumeBool()));
        desk_.advance(bar().tmrWait.interval() + in_.ConsumeIntegralInRange(30, 500));
        require(!collapsed() && program_.loaded<frmDate>() != nullptr,
                "resting on a hot corner opens the bar with its clock panel");
        cursorTo(onBar());
    }
    void touchCorner() {
        cursorTo(corner(in_.ConsumeBool()));
        desk_.advance(in_.ConsumeIntegralInRange(0, bar().tmrWait.interval() - 10));
        require(collapsed(), "a touch shorter than the dwell leaves the bar collapsed");
        cursorTo(anywhere());
    }

    // The tiles the bar's panel shows, from the top.
    int shownTiles() {
        const frmSide& b = bar();
        int count = 0;
        while (count < kTiles &&
               b.lblButton[count].top() + b.lblButton[count].height() <= b.frmeBar.height())
            ++count;
        return count;
    }
    void tiles() {
        openBar();
        for (int n = in_.ConsumeIntegralInRange(1, 4); n > 0; --n) {
            frmSide& b = bar();
            const int shown = shownTiles();
            const int i = in_.ConsumeIntegralInRange(0, shown - 1);
            const int kind = in_.ConsumeIntegralInRange(0, 4);
            if (kind == 0) {
                desk_.mouseMove(in_.ConsumeBool() ? b.lblButton[i] : b.Labels[i]);
            } else if (kind == 1) { // pressed, then released over another tile: no click
                desk_.mouseDown(b.lblButton[i]);
                desk_.mouseUp(b.lblButton[i]);
                desk_.mouseMove(b.lblButton[in_.ConsumeIntegralInRange(0, shown - 1)]);
            } else if (kind == 2) {
                desk_.click(b.Labels[i]); // a caption opens nothing
            } else if (kind == 3) {
                desk_.mouseMove(static_cast<Form&>(b)); // the bare surface
            } else {
                clickTile(i);
            }
            pause();
        }
    }
    // A folder tile opens its folder through the shell, the settings tile
    // the settings window.
    void clickTile(int i) {
        const std::size_t calls = desk_.shellCalls().size();
        desk_.click(bar().lblButton[i]);
        if (desk_.shellCalls().size() > calls)
            require(i < kShortcuts && desk_.shellCalls().size() == calls + 1 &&
                        desk_.shellCalls().back().file == settings().ShortcutFolder[i].text(),
                    "a folder tile opens its own folder");
        else
            require((i == kSettingsTile || i == kShortSettingsPlace) && settingsWindow(),
                    "a tile click opens its folder or the settings window");
    }
    frmConfig* settingsWindow() {
        frmConfig* window = program_.loaded<frmConfig>();
        return window && desk_.windowOf(*window)->visible ? window : nullptr;
    }
    // The settings window, opened from the bar's lowest tile when needed;
    // nothing when that tile opened a folder (a low screen may show no
    // settings tile).
    frmConfig* openSettings() {
        if (!settingsWindow()) {
            openBar();
            clickTile(shownTiles() - 1);
        }
        return settingsWindow();
    }

    // "&", Backspace, ASCII, Windows-1252's and beyond, any code at all.
    int character() {
        constexpr std::pair<int, int> kKinds[] = {
            {'&', '&'}, {kBackspace, kBackspace}, {' ', '~'}, {0x80, 0x3FF}, {1, 0x10FFFF}};
        const auto [low, high] = kKinds[in_.ConsumeIntegralInRange<std::size_t>(0, 4)];
        return in_.ConsumeIntegralInRange(low, high);
    }
    void typeInto(TextBox& box) {
        desk_.click(box);
        for (int n = in_.ConsumeIntegralInRange(1, 6); n > 0; --n)
            if (in_.ConsumeBool())
                desk_.typeKey(box, character());
            else
                desk_.pressKey(
                    box, static_cast<sim::SimDesktop::EditKey>(in_.ConsumeIntegralInRange(0, 4)));
    }
    // The light level typed afresh: a number in range or near it, or any
    // characters.
    void typeLightLevel(TextBox& box) {
        desk_.click(box);
        desk_.pressKey(box, sim::SimDesktop::EditKey::End);
        for (int n = 0; n < box.maxLength(); ++n)
            desk_.typeKey(box, kBackspace);
        if (in_.ConsumeBool())
            desk_.typeText(box, std::to_string(in_.ConsumeIntegralInRange(90, 280)));
        else
            typeInto(box);
    }
    void editSettings() {
        frmConfig* window = openSettings();
        if (!window)
            return;
        frmConfig& c = *window;
        const int row = in_.ConsumeIntegralInRange(0, kShortcuts - 1);
        const int glyph = in_.ConsumeIntegralInRange(0, kTiles - 1);
        switch (in_.ConsumeIntegralInRange(0, 7)) {
        case 0:
            return typeInto(c.txtNombre[row]);
        case 1:
            return typeInto(c.txtCarpeta[row]);
        case 2: // a glyph, "&" among them, or Backspace
            desk_.click(c.lblFolder[glyph]);
            return desk_.typeKey(c.lblFolder[glyph], character());
        case 3: // the palette over the glyph's row, and a colour from it
            desk_.click(c.lblFolder[glyph]);
            return desk_.click(c.lblColor[in_.ConsumeIntegralInRange(0, kSwatches - 1)]);
        case 4:
            return typeLightLevel(c.txtLuz);
        case 5:
            return desk_.pickItem(c.cboGlass,
                                  in_.ConsumeIntegralInRange(0, c.cboGlass.listCount() - 1));
        case 6:
            return desk_.click(c.chkLeft);
        default:
            return desk_.click(c.chkTotal);
        }
    }

    // "GUARDAR": the file then holds what the program writes for the
    // settings the window holds, or, when the program reports that it
    // could not save, every file stays as it was.
    void save() {
        frmConfig* window = openSettings();
        if (!window)
            return;
        const SettingsRecord edited = window->editedSettings();
        const std::string expected = desk_.ansiFromUtf8(settingsFileText(edited));
        const auto before = files();
        const std::size_t boxes = desk_.messageBoxes().size();
        desk_.click(window->cmdSave);
        if (desk_.messageBoxes().size() == boxes) {
            saved_ = expected;
            // The bar made anew read it all back, unless the file is locked
            // against reading (on a low screen it keeps to the short layout
            // whatever the file says).
            SettingsRecord back = settings();
            back.FullHeight = edited.FullHeight;
            require(readLocked_ || desk_.ansiFromUtf8(settingsFileText(back)) == expected,
                    "the new bar reads back what was saved");
            return;
        }
        require(desk_.messageBoxes().size() == boxes + 1 && files() == before,
                "a failed save is reported once and leaves every file as it was");
        require(writeFaults_, "a save to a sound disk succeeds");
    }
    // Closing drops the window's edits.
    void closeSettings() {
        frmConfig* window = program_.loaded<frmConfig>();
        if (!window)
            return;
        const std::string before = settingsFileText(settings());
        if (in_.ConsumeBool())
            desk_.clickCloseBox(*window);
        else
            desk_.pressAltF4(*window);
        require(!program_.loaded<frmConfig>() && settingsFileText(settings()) == before,
                "closing the settings window drops it and its edits");
    }

    // Low screens included: below 700 pixels the bar is always short.
    void changeScreen() {
        desk_.setScreenPixels(in_.ConsumeIntegralInRange(640, 2560),
                              in_.ConsumeIntegralInRange(480, 1600));
    }
    // The file locked or no longer; or writes refused in either folder or
    // cut short, in any combination, or none: the disk healed.
    void changeDisk() {
        if (in_.ConsumeBool())
            return desk_.setReadLocked(readLocked_ = in_.ConsumeBool());
        const int faults = in_.ConsumeIntegralInRange(0, 7);
        desk_.setWriteProtected(faults & 1);
        desk_.setLocalAppDataWriteProtected(faults & 2);
        desk_.failWritesAfter(faults & 4
                                  ? std::optional(in_.ConsumeIntegralInRange<std::size_t>(0, 1000))
                                  : std::nullopt);
        writeFaults_ = faults != 0;
    }

    // The settings file and its per-user copy.
    std::pair<std::optional<std::string>, std::optional<std::string>> files() {
        return {desk_.files().read(desk_.settingsFilePath()),
                desk_.files().read(*perUserSettingsPath(desk_))};
    }
    // The file the program reads: the per-user copy when there is one.
    std::optional<std::string> settingsFile() {
        const auto [file, perUser] = files();
        return perUser ? perUser : file;
    }

    void check() {
        require(program_.loaded<frmSide>() != nullptr, "the bar stays");
        cursorTo({pixelsWide() / 2, pixelsHigh() / 2});
        desk_.advance(kSettleMs);
        frmSide& b = bar();
        require(b.resting() && b.canRest() && desk_.runningTimers() == 0,
                "away from the bar, it collapses and rests, the clock panel gone");
        const std::vector<Point> wires = desk_.tripwirePixels();
        require(wires.size() == 2 && wires[0].x == corner(true).x && wires[0].y == 0 &&
                    wires[1].x == corner(false).x && wires[1].y == corner(false).y,
                "the bar rests on the hot corners of the screen it stands on");
        require(settingsFile() == saved_, "the settings file holds what was saved last");
        if (saved_) {
            const std::string& file = *saved_;
            std::size_t ends = 0;
            for (auto at = file.find("\r\n"); at != std::string::npos;
                 at = file.find("\r\n", at + 2))
                ++ends;
            require(ends == kSettingsLines && std::ranges::count(file, '\r') == kSettingsLines &&
                        std::ranges::count(file, '\n') == kSettingsLines && file.ends_with("\r\n"),
                    "the settings file holds thirty lines, each ended by CR LF");
        }
        require(desk_.escapedHandlers().empty() && !desk_.ended(), "no handler fails");
    }

    FuzzedDataProvider& in_;
    sim::SimDesktop desk_;
    Program program_{desk_};
    std::optional<std::string> saved_; // the file's bytes as last saved
    bool writeFaults_ = false;
    bool readLocked_ = false;
};

} // namespace
} // namespace tavrin

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    tavrin::Player player(in);
    while (in.remaining_bytes() > 0)
        player.play();
    return 0;
}
