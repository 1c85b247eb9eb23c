// One instance of a form, created and loaded on first use, unloaded
// explicitly; the next use after an unload creates a fresh instance.
#pragma once

#include "form.h"
#include "window_system.h"

#include <memory>

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

    template <class Owner> T& get(Owner& owner) {
        if (form_)
            return *form_;
        form_ = std::make_unique<T>(owner);
        T& form = *form_;
        form.load();
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

} // namespace tavrin
