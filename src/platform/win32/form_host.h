// A form's real window: a top-level window in the form's style, holding
// the peers of all its controls. Borderless forms (the bar, the clock
// panel) never take the keyboard focus from the window the user is in.
#pragma once

#include "platform/win32/container_surface.h"
#include "platform/win32/controls/control_peers.h"
#include "platform/win32/form_context.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

#include "platform/form.h"

#include <memory>
#include <optional>
#include <vector>

namespace tavrin::win32 {

class Win32Desktop;

class FormHost : private ContainerSurface, private MessageTarget {
  public:
    FormHost(Win32Desktop& desktop, Form& form);
    ~FormHost();
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    HWND window() const { return window_.get(); }
    Form& form() const { return form_; }
    // A bordered window's outer size with this desktop's frame.
    std::optional<OuterSize> outerSize() const;
    void changed(Prop what);
    // The control whose window (or part of it) this is, if any.
    Control* controlOwning(HWND window) const;
    // Tab from the window that has the focus to the next of the form's tab
    // stops (the one before, going backwards); false when the form has none.
    bool tab(HWND from, bool backwards);
    // The form is unloaded or the program ends: the window goes from the
    // screen at once and no handler of the form runs any more.
    void close();
    // The screen's size or mode changed.
    void displayChanged();
    // The window now stands at another DPI; the system suggests where.
    void dpiChanged(int dpi, const RECT& suggested);

  private:
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    WindowSystem& windowSystem() const override;
    Color surfaceColor() const override;
    void ownMouse(MouseEvent event, const MouseArgs& args) override;
    void place();
    void show();
    void letMouseThrough();

    // A bordered form, like a dialog, gives the focus back to the control
    // that had it when the user comes back to the window.
    bool activate(WPARAM state);
    // Puts the focus on the control's window; false when it has none.
    bool focus(Control* control);

    Win32Desktop& desktop_;
    Form& form_;
    UniqueWindow window_;
    Control* lastFocus_ = nullptr;
    // The surface holds a reference to it from the start; it is used
    // only once the constructor has run.
    FormContext context_;
    std::vector<AttachedPeer> peers_;
};

} // namespace tavrin::win32
