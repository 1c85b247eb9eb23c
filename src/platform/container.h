// Something that holds controls: a form or a frame. Children are kept in
// stacking order, back to front, which is the order they are painted in.
#pragma once

#include "control.h"

#include <vector>

namespace tavrin {

class Container {
  public:
    virtual ~Container() = default;

    // Puts the control in front of the children added before it.
    void add(Control& child);
    const std::vector<Control*>& children() const { return children_; }

    // The container's own form (a form returns itself).
    virtual Form* ownerForm() = 0;

  private:
    std::vector<Control*> children_;
};

} // namespace tavrin
