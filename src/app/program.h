// The running program: the window system it runs on, Module1's shared state
// and the one instance of each window, created and loaded on first use.
#pragma once

#include "module1.h"
#include "platform/form_slot.h"
#include "platform/window_system.h"

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

    // Takes the session's one place for a running Tavrin and opens the
    // program's first window, the splash. False when another Tavrin holds
    // the place: that one is asked to bring up its settings window, and
    // this start ends without a window of its own.
    bool start();
    // Started as "Tavrin.exe /quit" by the installer or the uninstaller:
    // ends the Tavrin running in the session, showing nothing itself. True
    // when none runs any more.
    bool endRunning();
    // What a later start asked of this program.
    void handle(InstanceRequest request);
    // The splash has shown the bar: what was asked meanwhile runs now.
    void barShown();

  private:
    template <class T> FormSlot<T>& slot() { return forms_.template slot<T>(); }

    FormSlots<frmInicio, frmSide, frmDate, frmConfig> forms_;
    // Asked for before the bar had read the settings, which the settings
    // window shows.
    bool settingsAsked_ = false;
};

} // namespace tavrin
