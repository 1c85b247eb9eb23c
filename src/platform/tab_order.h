// The Tab key's round through a form: the controls that can take the focus
// now, in the order the design added them (through its frames), which is
// independent of which control stands in front of which.
#pragma once

#include "container.h"

#include <vector>

namespace tavrin {

// Visible and enabled controls that take the focus, on visible frames.
std::vector<Control*> tabStops(const Container& container);

// The stop after current (before it, going backwards), wrapping around; the
// first (last) stop when current is none of them; null when there is none.
Control* nextTabStop(const Container& form, const Control* current, bool backwards);

} // namespace tavrin
