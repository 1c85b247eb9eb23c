// The tooltips of one form: a single tooltip control, created when the
// first control asks for a tip. A tool is either a whole child window or
// a rectangle of a container window (a windowless label).
#pragma once

#include "platform/win32/handles.h"

#include <commctrl.h>

#include <string>

namespace tavrin::win32 {

class Tooltip {
  public:
    explicit Tooltip(HWND owner) : owner_(owner) {}

    // Sets, changes or (with empty text) removes the tip of a tool.
    void setForWindow(HWND tool, const std::string& utf8);
    void setForRect(HWND container, UINT_PTR id, const RECT& rect, const std::string& utf8);
    void removeRect(HWND container, UINT_PTR id);

  private:
    bool ensure();
    void set(TOOLINFOW& info, const std::string& utf8);

    HWND owner_;
    UniqueWindow tip_;
};

} // namespace tavrin::win32
