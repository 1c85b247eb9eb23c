#include "tab_order.h"

#include "frame.h"

#include <algorithm>

namespace tavrin {
namespace {

void collect(const Container& container, std::vector<Control*>& out) {
    for (Control* c : container.children()) {
        if (!c->visible() || !c->enabled())
            continue;
        if (c->kind() == ControlKind::Frame)
            collect(static_cast<const Frame&>(*c), out);
        else if (c->takesFocus())
            out.push_back(c);
    }
}

} // namespace

std::vector<Control*> tabStops(const Container& container) {
    std::vector<Control*> stops;
    collect(container, stops);
    return stops;
}

Control* nextTabStop(const Container& form, const Control* current, bool backwards) {
    const std::vector<Control*> stops = tabStops(form);
    if (stops.empty())
        return nullptr;
    const auto at = std::find(stops.begin(), stops.end(), current);
    if (at == stops.end())
        return backwards ? stops.back() : stops.front();
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    const std::ptrdiff_t step = backwards ? count - 1 : 1;
    return stops[static_cast<std::size_t>(((at - stops.begin()) + step) % count)];
}

} // namespace tavrin
