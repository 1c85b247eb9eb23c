// A list box holding lines of text, unsorted. Reading past the last item
// gives empty text.
#pragma once

#include "control.h"

#include <vector>

namespace tavrin {

class ListBox : public Control {
  public:
    ListBox() : Control(ControlKind::ListBox) {}

    // The item ends before its first NUL, as the list box's window keeps it.
    void addItem(std::string item) {
        item.resize(untilNul(item).size());
        items_.push_back(std::move(item));
        notify(Prop::Items);
    }
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const {
        static const std::string none;
        return i >= 0 && i < listCount() ? items_[static_cast<std::size_t>(i)] : none;
    }
    const std::vector<std::string>& items() const { return items_; }

  private:
    std::vector<std::string> items_;
};

} // namespace tavrin
