// One instance of a form, created and loaded on first use, unloaded
// explicitly or by the user's close box; the next use after an unload
// creates a fresh instance.
#pragma once

#include "form.h"
#include "window_system.h"

#include <memory>
#include <tuple>

namespace tavrin {

template <class T> class FormSlot {
  public:
    FormSlot() = default;
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;
    // The owner is going away: no handler is running any more.
    ~FormSlot() {
        if (form_)
            form_->destroyWindow();
    }

    // The form, loading it first when it is not loaded. A load that fails
    // leaves no half-loaded form behind: the window goes, the slot stays
    // empty and the failure goes on to the caller.
    template <class Owner> T& get(Owner& owner) {
        if (form_)
            return *form_;
        form_ = std::make_unique<T>(owner);
        // The load may unload the form again; it then lives on, retired,
        // until the event being handled is over.
        T& form = *form_;
        form.setUnloader([this] { unload(); });
        try {
            form.load();
        } catch (...) {
            if (form_.get() == &form)
                unload();
            throw;
        }
        return form;
    }
    T* ifLoaded() const { return form_.get(); }
    void unload() {
        if (!form_)
            return;
        form_->destroyWindow();
        WindowSystem& ws = form_->windowSystem();
        ws.retire(std::move(form_));
    }

  private:
    std::unique_ptr<T> form_;
};

// One slot for each of the program's forms, reached by the form's type.
template <class... Forms> class FormSlots {
  public:
    template <class T> FormSlot<T>& slot() { return std::get<FormSlot<T>>(slots_); }

  private:
    std::tuple<FormSlot<Forms>...> slots_;
};

} // namespace tavrin
