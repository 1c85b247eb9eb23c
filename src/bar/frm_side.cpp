#include "frm_side.h"

#include "app/program.h"
#include "app/settings_lines.h"
#include "app/settings_location.h"
#include "app/tiles.h"
#include "clock/frm_date.h"
#include "platform/window_system.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

namespace tavrin {
namespace {

constexpr Twips kBarWidth = 1590;
constexpr Twips kDesignLeft = -45;
constexpr Twips kDesignTop = -375;
constexpr Twips kDesignHeight = 11520;
constexpr Twips kTileHeight = 1500;
constexpr Twips kFullPanel = 10500;   // seven tiles
constexpr Twips kShortPanel = 7500;   // five tiles
constexpr Twips kSmallScreen = 10500; // below this the bar is always short
constexpr Twips kTinyScreen = 9255;   // below this the settings also turn short
constexpr Twips kCollapsedWidth = 1;
constexpr int kUserNameBuffer = 260;
constexpr int kCollapsedOpacity = 1;
constexpr int kOpaque = 255;
constexpr int kFadeStep = 10;
constexpr int kFadeStepMs = 10; // tmrOpen's interval: the fade's pace
// A left bar collapses from here on, 6 pixels inside its inner edge at
// 96 dpi (100 of 106); a right bar just beyond its inner edge.
constexpr Twips kLeftAwayZone = 1500;
constexpr int kPanelStartOpacity = 1;

// The user's folders of tiles 2 to 5, and where each usually lies in the
// profile, for when the shell cannot tell.
constexpr std::array<std::pair<KnownFolder, const char*>, kShortcuts - 2> kProfileFolders = {{
    {KnownFolder::Documents, "\\Documents"},
    {KnownFolder::Pictures, "\\Pictures"},
    {KnownFolder::Music, "\\Music"},
    {KnownFolder::Videos, "\\Videos"},
}};
constexpr const char* kSettingsCaption = "Configuración";
const std::array<Twips, kTiles> kCaptionTops = {960, 2460, 3960, 5480, 6960, 8460, 9960};
constexpr Color kWhite = 16777215;
constexpr Color kDesignCaptionColor = 0xE0E0E0;
constexpr Color kBarBackColor = rgb(20, 20, 20);

Font tileCaptionFont() {
    return Font{"Segoe UI", 11.25, 400, false, false, false};
}
Font glyphFont() {
    return Font{"Wingdings", 45, 700, false, false, true};
}

// The screen in pixels, which the cursor counts in. The program's rules
// stay in twips: the zones scale with the DPI, the hot corners stay the
// screen's very corner pixels.
Point screenPixels(Twips width, Twips height, const PixelScale& scale) {
    return {static_cast<long>(width / scale.twipsPerPixel()),
            static_cast<long>(height / scale.twipsPerPixel())};
}

} // namespace

frmSide::frmSide(Program& program) : Form(program.ws), program_(program) {
    design();
}

Module1& frmSide::module1() {
    return program_.module1;
}

void frmSide::design() {
    setStyle(FormBorder::None, false, false);
    setBackColor(rgb(0, 0, 0));
    move(kDesignLeft, kDesignTop, kBarWidth, kDesignHeight);

    add(Frame1);
    Frame1.setName("Frame1");
    Frame1.setGeometry(1920, 120, 1455, 1575);
    Frame1.setCaption("Frame1");
    for (Control* c :
         std::initializer_list<Control*>{&List1, &HScroll1, &tmrWait, &tmrMouse, &tmrQuit, &tmrOpen,
                                         &Label2, &Label1, &Usuario})
        Frame1.add(*c);
    List1.setName("List1");
    List1.setGeometry(720, 840, 495, 255);
    HScroll1.setName("HScroll1");
    HScroll1.setGeometry(0, 480, 1455, 255);
    HScroll1.setRange(1, 255);
    HScroll1.setValue(255);
    HScroll1.onChange = [this] { HScroll1_Change(); };
    const std::array<std::tuple<Timer*, const char*, int, bool>, 4> timers = {
        {{&tmrWait, "tmrWait", 500, true},
         {&tmrMouse, "tmrMouse", 1, true},
         {&tmrQuit, "tmrQuit", 100, false},
         {&tmrOpen, "tmrOpen", kFadeStepMs, false}}};
    for (auto [timer, name, interval, enabled] : timers) {
        timer->setName(name);
        timer->setInterval(interval);
        timer->setEnabled(enabled);
    }
    tmrMouse.onTimer = [this] { tmrMouse_Timer(); };
    tmrWait.onTimer = [this] { tmrWait_Timer(); };
    tmrOpen.onTimer = [this] { tmrOpen_Timer(); };
    tmrQuit.onTimer = [this] { tmrQuit_Timer(); };
    for (Tripwire* wire : {&wireTop, &wireBottom}) {
        add(*wire);
        wire->onTouched = [this] { wire_Touched(); };
    }
    wireTop.setName("wireTop");
    wireBottom.setName("wireBottom");
    Label2.setName("Label2");
    Label2.setGeometry(720, 1200, 495, 255);
    Label1.setName("Label1");
    Label1.setGeometry(120, 1200, 495, 255);
    Usuario.setName("Usuario");
    Usuario.setGeometry(120, 840, 495, 255);

    add(frmeBar);
    frmeBar.setName("frmeBar");
    frmeBar.setGeometry(0, 240, kBarWidth, kFullPanel);
    frmeBar.setBordered(false);
    for (int i = 0; i < kTiles; ++i) {
        Label& face = lblButton[static_cast<std::size_t>(i)];
        frmeBar.add(face);
        face.setName("lblButton", i);
        face.setGeometry(0, kTileHeight * i, kBarWidth, kTileHeight);
        face.setCaption("0");
        face.setFont(glyphFont());
        face.setAlignment(Alignment::Center);
        face.setForeColor(kWhite);
    }
    const std::array<const char*, kTiles> captions = {
        kDefaultTileNames[0], kDefaultTileNames[1], kDefaultTileNames[2], kDefaultTileNames[3],
        kDefaultTileNames[4], kDefaultTileNames[5], kSettingsCaption};
    for (int i = 0; i < kTiles; ++i) {
        Label& caption = Labels[static_cast<std::size_t>(i)];
        frmeBar.add(caption);
        caption.setName("Labels", i);
        caption.setGeometry(0, kCaptionTops[static_cast<std::size_t>(i)], kBarWidth, 375);
        caption.setCaption(captions[static_cast<std::size_t>(i)]);
        caption.setFont(tileCaptionFont());
        caption.setAlignment(Alignment::Center);
        caption.setTransparent(true);
        caption.setForeColor(kDesignCaptionColor);
    }
    // Both parts of a tile feed the same look; only the face opens anything.
    for (int i = 0; i < kTiles; ++i)
        for (Label* part :
             {&lblButton[static_cast<std::size_t>(i)], &Labels[static_cast<std::size_t>(i)]}) {
            part->onMouseDown = [this, i](const MouseArgs&) { lblButton_MouseDown(i); };
            part->onMouseMove = [this, i](const MouseArgs&) { lblButton_MouseMove(i); };
            part->onMouseUp = [this, i](const MouseArgs&) { lblButton_MouseUp(i); };
        }
    for (int i = 0; i < kTiles; ++i)
        lblButton[static_cast<std::size_t>(i)].onClick = [this, i] { lblButton_Click(i); };
}

void frmSide::Form_Load() {
    WindowSystem& ws = windowSystem();
    SettingsRecord& s = module1().Settings;

    s.GlassAlpha = kDefaultGlassAlpha;
    s.FullHeight = 1;
    eLoad();
    if (ws.screenHeight() < kSmallScreen) {
        module1().SmallScreen = 1;
        s.FullHeight = 0;
    }
    setHeight(ws.screenHeight());
    // The panel's height follows FullHeight as it stands now, before the
    // second read; the tile roles follow the value after it.
    frmeBar.setHeight(s.fullHeight() == 0 ? kShortPanel : kFullPanel);
    frmeBar.setTop(ws.screenHeight() / 2 - frmeBar.height() / 2 + 90);
    // The bar reaches 75 twips above the screen and 525 below it.
    setTop(top() + 300);
    setHeight(height() + 600);

    // BarBackColor holds the back colour as decimal text; the colour is
    // the number itself, not read back from that text.
    const Color back = kBarBackColor;
    module1().BarBackColor = numberText(back);
    LoadedScreenWidth = ws.screenWidth();
    LoadedScreenHeight = roundToInt32(ws.screenHeight());
    LoadedScreenPixels = screenPixels(ws.screenWidth(), ws.screenHeight(), ws.screenScale());
    setBackColor(back);
    frmeBar.setBackColor(back);
    for (Label& face : lblButton)
        face.setBackColor(back);

    // The user name ends before the first NUL the call wrote into the blanks.
    std::string buffer(kUserNameBuffer, ' ');
    ws.getUserName(buffer);
    Usuario.setCaption(buffer);

    for (int i = 0; i < kShortcuts; ++i)
        s.ShortcutName[static_cast<std::size_t>(i)] =
            kDefaultTileNames[static_cast<std::size_t>(i)];
    // The shell knows where the user's folders are (redirected, on another
    // drive, under a profile not named after the user).
    const std::string profile =
        ws.knownFolder(KnownFolder::Profile).value_or("C:\\Users\\" + Usuario.caption());
    s.ShortcutFolder[0] = "C:\\";
    s.ShortcutFolder[1] = profile;
    for (std::size_t i = 0; i < kProfileFolders.size(); ++i) {
        const auto [known, usualPlace] = kProfileFolders[i];
        s.ShortcutFolder[i + 2] = ws.knownFolder(known).value_or(profile + usualPlace);
    }
    s.LightLevel = 255;
    for (Loose& glyph : s.ShortcutGlyph)
        glyph = "0";
    for (Loose& color : s.ShortcutColor)
        color = static_cast<std::uint32_t>(kWhite);
    eLoad();

    if (s.leftSide() == 0)
        setLeft(ws.screenWidth() - width());
    setWidth(kCollapsedWidth);

    for (int i = 0; i < kTiles; ++i)
        lblButton[static_cast<std::size_t>(i)].setCaption(
            s.ShortcutGlyph[static_cast<std::size_t>(i)].text());
    if (s.fullHeight() == 0)
        lblButton[kShortSettingsPlace].setCaption(s.ShortcutGlyph[kSettingsTile].text());

    // The clock panel, there from the start but practically invisible.
    panelGlass(kPanelStartOpacity);
    program_.form<frmDate>().show();
}

// Above every window that is not topmost itself, again at every change of
// size, so that the bar stays on top as it opens and closes. Collapsed, the
// column it keeps over the programs beneath lets their clicks through.
void frmSide::Form_Resize() {
    windowSystem().setWindowPos(hWnd(), kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove);
    setPassThrough(width() == kCollapsedWidth);
}

void frmSide::HScroll1_Change() {
    // The range 1..255 keeps the value within a byte.
    const auto level = static_cast<std::int16_t>(HScroll1.value());
    module1().SetGlass(hWnd(), level);
    panelGlass(level);
}

// Asking for the panel's window loads it, unseen, when it is not loaded. At
// the lowest opacity it is unseen, and the mouse goes through it too.
void frmSide::panelGlass(std::int16_t level) {
    frmDate& panel = program_.form<frmDate>();
    module1().SetGlass(panel.hWnd(), level);
    panel.setPassThrough(level == kCollapsedOpacity);
}

namespace {

// The opacity the fade-in aims at. A hand-edited GlassAlpha above the top
// of the scale aims at the top, so that the bar still opens fully and can
// collapse again.
int targetOpacity(const SettingsRecord& s) {
    return std::min<int>(s.GlassAlpha, kOpaque);
}

} // namespace

namespace {

// The bar's edge: 1 or more the left, 0 the right; any other value
// watches no edge.
bool watchesAnEdge(double side) {
    return side >= 1 || side == 0;
}
long edgeColumn(double side, const Point& screen) {
    return side >= 1 ? 0 : screen.x - 1;
}
bool onHotCorner(long x, long y, double side, const Point& screen) {
    return x == edgeColumn(side, screen) && (y == 0 || y == screen.y - 1);
}

} // namespace

void frmSide::tmrMouse_Timer() {
    WindowSystem& ws = windowSystem();
    const SettingsRecord& s = module1().Settings;
    Point cursor{CursorX, CursorY};
    if (ws.getCursorPos(cursor)) {
        CursorX = cursor.x;
        CursorY = cursor.y;
    }
    // Read once a poll: under Wine each query of the screen is several
    // round trips to the server.
    const Twips screenWidth = ws.screenWidth(), screenHeight = ws.screenHeight();
    const PixelScale scale = ws.screenScale();
    const Point screen = screenPixels(screenWidth, screenHeight, scale);
    const double side = s.leftSide();
    if (watchesAnEdge(side)) {
        tmrWait.setEnabled(onHotCorner(CursorX, CursorY, side, screen));
        // The open bar's inner edge on the right, where its pixels begin.
        const bool away = side >= 1 ? CursorX >= scale.pixels(kLeftAwayZone)
                                    : CursorX < scale.pixels(screenWidth - kBarWidth);
        if (away) {
            tmrWait.setEnabled(false);
            tmrQuit.setEnabled(true);
        }
    }
    // The panel is out while the bar is.
    if (HScroll1.value() == kCollapsedOpacity)
        program_.unload<frmDate>();
    else
        program_.form<frmDate>().show();

    // A new screen size or scale: the bar is made anew for it. (At 192 dpi
    // an odd number of pixels is no whole number of twips.)
    if (screenWidth != LoadedScreenWidth || roundToInt32(screenHeight) != LoadedScreenHeight) {
        Program& program = program_;
        program.unload<frmSide>();
        program.form<frmSide>().show();
        return;
    }
    if (canRest())
        rest();
}

bool frmSide::canRest() const {
#ifdef TAVRIN_PLAIN_POLL
    return false; // the build that polls all the time, for comparison
#else
    const double side = program_.module1.Settings.leftSide();
    const Point& screen = LoadedScreenPixels;
    // A pending collapse of the collapsed bar changes nothing: its tick
    // only stops it.
    return watchesAnEdge(side) && HScroll1.value() == kCollapsedOpacity &&
           width() == kCollapsedWidth && !tmrWait.running() && !tmrOpen.running() &&
           !onHotCorner(CursorX, CursorY, side, screen) && !program_.loaded<frmDate>();
#endif
}

void frmSide::rest() {
    const double side = module1().Settings.leftSide();
    const Point& screen = LoadedScreenPixels;
    tmrMouse.setEnabled(false);
    tmrQuit.setEnabled(false);
    const long column = edgeColumn(side, screen);
    wireTop.setPixel(Point{column, 0});
    wireBottom.setPixel(Point{column, screen.y - 1});
    wireTop.setArmed(true);
    wireBottom.setArmed(true);
}

// Back to the poll, whose first sample comes at once: on a hot corner it
// starts the dwell, as a poll running all along would have.
void frmSide::wire_Touched() {
    wireTop.setArmed(false);
    wireBottom.setArmed(false);
    tmrMouse.setEnabled(true);
    tmrMouse_Timer();
}

// While the poll runs it sees the new size itself.
void frmSide::Form_DisplayChange() {
    if (resting())
        wire_Touched();
}

void frmSide::tmrWait_Timer() {
    // The fade's clock starts with it; a fade under way keeps its own.
    if (!tmrOpen.running()) {
        fadeStartedMs_ = windowSystem().steadyMilliseconds();
        fadeSteps_ = 0;
    }
    tmrOpen.setEnabled(true);
    tmrWait.setEnabled(false);
}

// A step every 10 ms. The system's timer may tick less often (Windows
// runs a 10 ms timer every 15.6 ms by default), so each tick takes the
// steps due since the fade began, at least one: the bar reaches its
// opacity on time, and a timer that keeps time takes them one by one.
void frmSide::tmrOpen_Timer() {
    const SettingsRecord& s = module1().Settings;
    if (s.leftSide() == 0)
        setLeft(windowSystem().screenWidth() - width());
    const long long due =
        (windowSystem().steadyMilliseconds() - fadeStartedMs_) / kFadeStepMs - fadeSteps_;
    const int steps = static_cast<int>(std::clamp<long long>(due, 1, kOpaque));
    fadeSteps_ += steps;
    const int target = targetOpacity(s);
    int value = HScroll1.value();
    int taken = 0;
    for (; taken < steps && value < target; ++taken)
        value = std::min(value + kFadeStep, kOpaque);
    if (taken > 0) {
        setWidth(kBarWidth);
        HScroll1.setValue(value);
    }
    // A step that found the target reached ends the fade.
    if (taken < steps)
        tmrOpen.setEnabled(false);
}

// The collapse also ends a fade whose last step reached the target but
// whose tick that stops it has not come yet: it would open the bar again.
void frmSide::tmrQuit_Timer() {
    if (HScroll1.value() >= targetOpacity(module1().Settings)) {
        tmrOpen.setEnabled(false);
        setWidth(kCollapsedWidth);
        HScroll1.setValue(kCollapsedOpacity);
    } else {
        tmrQuit.setEnabled(false);
    }
}

void frmSide::Form_DblClick() {
    windowSystem().endProgram();
}

void frmSide::eLoad() {
    WindowSystem& ws = windowSystem();

    std::unique_ptr<FileReader> file = openSettingsFile(ws);
    if (!file)
        return;
    // Only the buffer's first thirty positions are ever read: lines that
    // would land beyond them are left in the file unread, and a line keeps
    // no more than any value can use (settings.h).
    LineReader lines(*file, kLongestSettingsLine);
    while (List1.listCount() < kSettingsLines) {
        const std::optional<std::string> line = lines.next();
        if (!line)
            break;
        List1.addItem(ws.utf8FromAnsi(*line));
    }
    if (lines.failed())
        return;
    file.reset();

    // A file whose last two lines are no numbers still sets up the tiles.
    settingsFromLines(List1.items(), module1().Settings);
    eConfig();
}

void frmSide::eConfig() {
    // A value that cannot be used stops here; what was set stays set.
    try {
        configTiles();
    } catch (const PropertyError&) {
    }
}

// Damaged values are everyday input from a hand-edited file, so they end
// the set-up by a return rather than an exception.
void frmSide::configTiles() {
    WindowSystem& ws = windowSystem();
    SettingsRecord& s = module1().Settings;
    if (ws.screenHeight() < kTinyScreen)
        s.FullHeight = 0;
    for (int i = 0; i < kShortcuts; ++i)
        Labels[static_cast<std::size_t>(i)].setCaption(
            s.ShortcutName[static_cast<std::size_t>(i)].text());
    const bool shortBar = s.fullHeight() == 0;
    if (shortBar)
        Labels[kShortSettingsPlace].setCaption(kSettingsCaption);
    // A hand-edited light level can put the grey outside 0..255.
    const std::optional<double> light = s.LightLevel.tryNumber();
    const std::optional<std::int16_t> dimmed =
        light ? tryRoundToInt16(*light - kCaptionDimming) : std::nullopt;
    if (!dimmed)
        return;
    const int grey = std::clamp<int>(*dimmed, 0, 255);
    for (Label& caption : Labels)
        caption.setForeColor(rgb(grey, grey, grey));
    for (int i = 0; i < kTiles; ++i) {
        const std::optional<std::uint32_t> color =
            tryColor(s.ShortcutColor[static_cast<std::size_t>(i)]);
        if (!color)
            return;
        lblButton[static_cast<std::size_t>(i)].setForeColor(*color);
    }
    if (shortBar) {
        const std::optional<std::uint32_t> color = tryColor(s.ShortcutColor[kSettingsTile]);
        if (!color)
            return;
        lblButton[kShortSettingsPlace].setForeColor(*color);
    }
    if (s.leftSide() > 1)
        s.LeftSide = 1;
    for (int i = 0; i < kTiles; ++i)
        lblButton[static_cast<std::size_t>(i)].setCaption(
            s.ShortcutGlyph[static_cast<std::size_t>(i)].text());
    if (shortBar)
        lblButton[kShortSettingsPlace].setCaption(s.ShortcutGlyph[kSettingsTile].text());
}

} // namespace tavrin
