// Counts how deeply the program's handlers are nested inside the window
// procedures (a modal message box pumps messages, so handlers nest) and
// keeps what an unload left behind alive until the outermost one returns:
// the form object, and the windows and control peers that belonged to it,
// whose code may still be on the stack.
#pragma once

#include "platform/form.h"
#include "platform/win32/handles.h"

#include <memory>
#include <vector>

namespace tavrin::win32 {

class FormHost;

class Dispatcher {
  public:
    Dispatcher();
    ~Dispatcher();
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // Held for the length of one window message (or of the program's start).
    class Scope {
      public:
        explicit Scope(Dispatcher& d) : d_(d) { ++d_.depth_; }
        ~Scope() {
            if (--d_.depth_ == 0)
                d_.release();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        Dispatcher& d_;
    };

    int depth() const { return depth_; }

    void retire(std::unique_ptr<Form> form);
    void bury(std::unique_ptr<FormHost> host);
    // A control's window replaced by a new one while its messages are handled.
    void bury(UniqueWindow window);

    // Frees everything now; for the desktop's own end.
    void releaseAll();

  private:
    void release();

    int depth_ = 0;
    std::vector<UniqueWindow> replaced_;
    std::vector<std::unique_ptr<FormHost>> buried_;
    std::vector<std::unique_ptr<Form>> retired_;
};

} // namespace tavrin::win32
