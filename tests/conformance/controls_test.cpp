// Controls on both desktops: every typed character reaches KeyPress, and
// only what the edit acts on changes the text; a character beyond U+FFFF
// is one character for KeyPress, the length limit, the caret and the
// editing keys; a click on a text box is a click; a quick second click on
// a check box or push button is one more click; a change raises Change or
// Click once.
#include "probe_form.h"

#include <string>
#include <utility>
#include <vector>

namespace tavrin::conformance {
namespace {

constexpr char32_t kGrinning = 0x1F600;
const std::string kGrinningUtf8 = "\xF0\x9F\x98\x80";
constexpr char32_t kBackspace = 8;

// The probe form with the focus on its text box.
class ControlConformance : public ProbeTest {
  protected:
    ProbeForm& open() {
        ProbeForm& form = ProbeTest::open();
        driver->focus(form.text);
        return form;
    }
    // The events that came, once they stop coming.
    std::string settled(ProbeForm& form) {
        driver->runFor(kSettleMs);
        return std::exchange(form.events, std::string());
    }

    // Long enough for posted input to be handled; the tests wait for what
    // they expect first, this only shows that nothing more comes.
    static constexpr int kSettleMs = 50;
};

TEST_F(ControlConformance, KeyPressSeesEveryTypedCodeAndOnlyWhatTheEditUsesReachesIt) {
    ProbeForm& form = open();
    std::vector<int> seen;
    form.text.onKeyPress = [&](int& key) {
        seen.push_back(key);
        key = 0;
    };
    std::vector<int> typed{8, 13, 27};
    for (int ctrl = 1; ctrl <= 26; ++ctrl)
        typed.push_back(ctrl);
    typed.push_back(static_cast<int>(kGrinning));
    for (int code : typed)
        driver->type(static_cast<char32_t>(code));
    // Tab moves the focus: it is no character.
    std::erase(typed, '\t');
    ASSERT_TRUE(driver->runUntil([&] { return seen.size() >= typed.size(); }));
    EXPECT_EQ(seen, typed) << "a character beyond U+FFFF comes once, whole";
    EXPECT_EQ(form.text.text(), "");
    EXPECT_EQ(settled(form), "");

    // Enter, Esc, Ctrl+B and Ctrl+Backspace (DEL) let through change
    // nothing; Backspace does.
    form.text.onKeyPress = nullptr;
    form.text.setText("abc");
    form.text.setSelStart(3);
    EXPECT_EQ(settled(form), "T");
    for (char32_t code : {U'\r', U'\x1b', U'\x02', U'\x7f'})
        driver->type(code);
    EXPECT_EQ(settled(form), "");
    EXPECT_EQ(form.text.text(), "abc");
    driver->type(kBackspace);
    ASSERT_TRUE(driver->runUntil([&] { return form.text.text() == "ab"; }));
    EXPECT_EQ(settled(form), "T");
}

TEST_F(ControlConformance, ACharacterBeyondTheBasicPlaneIsOneCharacterForTheLimitAndTheCaret) {
    ProbeForm& form = open();
    form.text.setMaxLength(3);
    for (char32_t c : {U'a', kGrinning, U'b', U'c'})
        driver->type(c);
    const std::string full = "a" + kGrinningUtf8 + "b";
    ASSERT_TRUE(driver->runUntil([&] { return form.text.text() == full; }));
    EXPECT_EQ(settled(form), "TTT") << "three characters fit, the fourth does not";
    EXPECT_EQ(form.text.length(), 3);
    EXPECT_EQ(form.text.selStart(), 3);

    // The arrows step over it whole.
    for (auto [key, caret] :
         {std::pair{Key::Left, 2}, {Key::Left, 1}, {Key::Right, 2}, {Key::Left, 1}}) {
        driver->press(form, key);
        const int expected = caret;
        ASSERT_TRUE(driver->runUntil([&] { return form.text.selStart() == expected; }));
    }

    // Delete takes it whole, and so does Backspace.
    driver->press(form, Key::Delete);
    ASSERT_TRUE(driver->runUntil([&] { return form.text.text() == "ab"; }));
    EXPECT_EQ(form.text.selStart(), 1);
    form.text.setText("x" + kGrinningUtf8 + "y");
    form.text.setSelStart(2);
    driver->type(kBackspace);
    ASSERT_TRUE(driver->runUntil([&] { return form.text.text() == "xy"; }));
    EXPECT_EQ(form.text.selStart(), 1);
    EXPECT_EQ(settled(form), "TTT");

    // The program may set more than the limit; typing adds nothing then.
    form.text.setText("abc" + kGrinningUtf8);
    form.text.setSelStart(4);
    driver->type(U'z');
    EXPECT_EQ(settled(form), "T");
    EXPECT_EQ(form.text.text(), "abc" + kGrinningUtf8);
}

TEST_F(ControlConformance, APressAndReleaseIsAClickAndAQuickSecondOneMoreOnButtons) {
    ProbeForm& form = open();
    driver->click(form.text);
    ASSERT_TRUE(driver->runUntil([&] { return form.events.size() >= 3; }));
    EXPECT_EQ(settled(form), "DUC");
    EXPECT_EQ(driver->focused(), &form.text);

    driver->doubleClick(form.text);
    ASSERT_TRUE(driver->runUntil([&] { return form.events.size() >= 5; }));
    EXPECT_EQ(settled(form), "DUCWU") << "one click, then the double-click";

    // A quick second click on a check box or push button is one more click.
    driver->doubleClick(form.check);
    ASSERT_TRUE(driver->runUntil([&] { return form.events.size() >= 2; }));
    EXPECT_EQ(settled(form), "KK");
    EXPECT_EQ(form.check.value(), 0);

    driver->doubleClick(form.button);
    ASSERT_TRUE(driver->runUntil([&] { return form.events.size() >= 2; }));
    EXPECT_EQ(settled(form), "BB");

    // A disabled control gets no click at all.
    form.check.setEnabled(false);
    form.button.setEnabled(false);
    driver->click(form.check);
    driver->click(form.button);
    EXPECT_EQ(settled(form), "");
    EXPECT_EQ(form.check.value(), 0);
}

// The program's changes, once per change and never for the same value
// again. (The user's, through the controls: the tests above.)
TEST_F(ControlConformance, EveryChangeTheProgramMakesRaisesChangeOrClickOnce) {
    ProbeForm& form = open();
    form.text.setText("Equipo");
    form.text.setText("Equipo");
    form.check.setValue(1);
    form.check.setValue(1);
    form.combo.setListIndex(1);
    form.combo.setListIndex(1);
    form.scroll.setValue(240);
    form.scroll.setValue(240);
    EXPECT_EQ(settled(form), "TKLS");
}

} // namespace
} // namespace tavrin::conformance
