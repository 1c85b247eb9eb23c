// What every peer of one form shares: the desktop, the form and its real
// window, the window's DPI, the form's tooltips and timers, and whether the
// form is still loaded. A peer keeps a reference; the context outlives every peer.
#pragma once

#include "platform/win32/controls/tooltip.h"
#include "platform/win32/dpi.h"

#include <windows.h>

#include <vector>

namespace tavrin {
class Form;
}

namespace tavrin::win32 {

class BrushCache;
class ChildControl;
class TextPainter;
class TimerPeer;
class Win32Desktop;

class FormContext {
  public:
    FormContext(Win32Desktop& desktop, Form& form, HWND formWindow)
        : desktop(desktop), form(form), formWindow(formWindow), scale(windowScale(formWindow)),
          tooltip(formWindow) {}
    FormContext(const FormContext&) = delete;
    FormContext& operator=(const FormContext&) = delete;

    Win32Desktop& desktop;
    Form& form;
    HWND formWindow;
    // Pixels at the DPI of the monitor the window stands on; the form's
    // window changes it when it moves to another DPI.
    PixelScale scale;
    Tooltip tooltip;
    // Indexed by timer id - 1; an entry is cleared when its peer goes.
    std::vector<TimerPeer*> timers;

    // False from the moment the form is unloaded or the program ends: no
    // handler of the program may run any more.
    bool live() const;
    void unload() { loaded_ = false; }

    TextPainter& painter() const;
    BrushCache& brushes() const;

    // The form's real child controls, for the notifications their
    // containers receive.
    void enlist(ChildControl& child) { children_.push_back(&child); }
    void strike(ChildControl& child);
    ChildControl* childFor(HWND window) const;

    // Child window identifiers, unique within the form.
    int newControlId() { return nextControlId_++; }

  private:
    // Below this the ids are the dialog manager's (IDOK and friends).
    static constexpr int kFirstControlId = 100;
    bool loaded_ = true;
    std::vector<ChildControl*> children_;
    int nextControlId_ = kFirstControlId;
};

} // namespace tavrin::win32
