// The conformance suite's driver for the simulated desktop: virtual time,
// input injected on the controls themselves.
#include "conformance/desktop_driver.h"

#include "platform/sim/sim_desktop.h"

#include <algorithm>

namespace tavrin::conformance {
namespace {

// Virtual time moves on in steps this long while a test waits.
constexpr int kStepMs = 1;

class SimDriver : public DesktopDriver {
  public:
    WindowSystem& ws() override { return desk_; }
    bool atDpi(int dpi) override {
        desk_.setDpi(dpi);
        return true;
    }
    long long now() override { return desk_.elapsed(); }
    void runFor(int milliseconds) override { desk_.advance(milliseconds); }
    bool runUntil(const std::function<bool()>& done, int deadlineMs) override {
        for (int waited = 0; !done() && waited < deadlineMs; waited += kStepMs)
            desk_.advance(kStepMs);
        return done();
    }

    void click(Control& target) override { desk_.click(target); }
    void doubleClick(Control& target) override { desk_.dblClick(target); }
    void clickCloseBox(Form& target) override { desk_.clickCloseBox(target); }

    void focus(Control& target) override { desk_.setFocus(target); }
    Control* focused() override { return desk_.focusedControl(); }
    void type(char32_t character) override {
        if (TextBox* box = focusedTextBox())
            desk_.typeKey(*box, static_cast<int>(character));
    }
    void press(Form& form, Key key) override {
        if (key == Key::Tab || key == Key::ShiftTab)
            return desk_.pressTab(form, key == Key::ShiftTab);
        if (key == Key::AltF4)
            return desk_.pressAltF4(form);
        using EditKey = sim::SimDesktop::EditKey;
        // The editing keys, in the order of Key from Delete on.
        constexpr EditKey kEditKeys[] = {EditKey::Delete, EditKey::Left, EditKey::Right,
                                         EditKey::Home, EditKey::End};
        if (TextBox* box = focusedTextBox())
            desk_.pressKey(*box, kEditKeys[static_cast<int>(key) - static_cast<int>(Key::Delete)]);
    }

    void answerMessageBoxesWhen(std::function<bool()> done) override {
        desk_.keepMessageBoxesOpen(kDeadlineMs, std::move(done));
    }
    std::string answeredMessageBoxText() override {
        return desk_.messageBoxes().empty() ? "" : desk_.messageBoxes().back().text;
    }
    std::size_t escapedHandlers() override { return desk_.escapedHandlers().size(); }

    void moveCursor(long x, long y) override { desk_.setCursor(x, y); }
    bool tripwireAt(Point pixel) override {
        const std::vector<Point> pixels = desk_.tripwirePixels();
        return std::any_of(pixels.begin(), pixels.end(),
                           [&](Point p) { return p.x == pixel.x && p.y == pixel.y; });
    }

    WindowHandle windowAt(Point pixel) override { return desk_.windowAt(pixel); }

    std::string scratchFolder() override {
        const std::string folder = *desk_.localAppDataFolder() + "\\Temp\\tavrin";
        return desk_.createFolders(folder) ? folder : "";
    }
    bool folderExists(const std::string& path) override { return desk_.files().isFolder(path); }
    void refuseWrites(const std::string&) override { desk_.setLocalAppDataWriteProtected(true); }

  private:
    TextBox* focusedTextBox() {
        Control* c = desk_.focusedControl();
        return c && c->kind() == ControlKind::TextBox ? static_cast<TextBox*>(c) : nullptr;
    }

    sim::SimDesktop desk_;
};

} // namespace

std::unique_ptr<DesktopDriver> makeDriver() {
    return std::make_unique<SimDriver>();
}

} // namespace tavrin::conformance
