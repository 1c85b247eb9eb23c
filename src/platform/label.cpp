#include "label.h"

#include "form.h"
#include "window_system.h"

namespace tavrin {

void Label::fitToText() {
    Form* owner = form();
    if (!autoSize_ || !owner)
        return;
    const TextExtent extent = owner->windowSystem().measureText(font_, displayedCaption(caption_));
    setGeometry(left(), top(), extent.width, extent.height);
}

std::string displayedCaption(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

} // namespace tavrin
