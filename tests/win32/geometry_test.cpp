// Geometry only the real window system shows: a bordered form's client area
// is what its design gives, whatever this desktop's caption and borders,
// and controls that meet in twips meet in pixels.
#include "message_pump.h"

#include "platform/form_slot.h"
#include "platform/text_box.h"
#include "platform/win32/controls/child_control.h"
#include "platform/win32/win32_desktop.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tavrin::win32 {
namespace {

// The settings window's frame: 10110 x 3855 twips of client area.
constexpr Twips kClientWidth = 10110, kClientHeight = 3855;

class BorderedForm : public Form {
  public:
    explicit BorderedForm(WindowSystem& ws) : Form(ws) {
        setStyle(FormBorder::FixedSingle, true, true);
        setCaption("Tavrin | Configuraci\u00f3n:");
        move(0, 0, kClientWidth + kDesignFrameWidth, kClientHeight + kDesignFrameHeight);
        add(left);
        add(right);
        // 7 + 1507 twips end at pixel 100.9, where the next one starts.
        left.setGeometry(7, 0, 1507, 390);
        right.setGeometry(7 + 1507, 0, 1500, 390);
    }
    TextBox left, right;
};

RECT clientOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

RECT placeOf(const Control& c) {
    HWND child = dynamic_cast<ChildControl*>(c.peer())->window();
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(Geometry, ABorderedFormsClientAreaIsItsDesignSize) {
    Win32Desktop desktop;
    FormSlot<BorderedForm> slot;
    BorderedForm& form = slot.get(static_cast<WindowSystem&>(desktop));
    form.show();
    HWND window = reinterpret_cast<HWND>(form.hWnd());
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(window) != FALSE; }));
    EXPECT_EQ(clientOf(window).right, 674);
    EXPECT_EQ(clientOf(window).bottom, 257);

    // The short layout's outer height, and the client area follows.
    form.setHeight(3315);
    EXPECT_EQ(clientOf(window).bottom, 193);
    EXPECT_EQ(clientOf(window).right, 674);

    EXPECT_EQ(placeOf(form.left).right, placeOf(form.right).left);
}

} // namespace
} // namespace tavrin::win32
