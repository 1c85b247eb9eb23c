// The running program: the window system it runs on, Module1's shared state
// and the one instance of each window, created and loaded on first use.
#pragma once

#include "module1.h"
#include "platform/form_slot.h"

namespace tavrin {

class frmConfig;
class frmDate;
class frmInicio;
class frmSide;

class Program {
  public:
    // Out of line, where every form is a complete type.
    explicit Program(WindowSystem& ws);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    WindowSystem& ws;
    Module1 module1;

    // The window, loading it when it is not loaded.
    template <class T> T& form() { return slot<T>().get(*this); }
    // The window when it is loaded, else null; loads nothing.
    template <class T> T* loaded() { return slot<T>().ifLoaded(); }
    template <class T> void unload() { slot<T>().unload(); }

    // Opens the program's first window, the splash.
    void start();

  private:
    template <class T> FormSlot<T>& slot() { return forms_.template slot<T>(); }

    FormSlots<frmInicio, frmSide, frmDate, frmConfig> forms_;
};

} // namespace tavrin
