// A list box holding lines of text, unsorted. Reading past the last item
// gives empty text.
#pragma once

#include "control.h"

#include <vector>

namespace tavrin {

class ListBox : public Control {
  public:
    ListBox() : Control(ControlKind::ListBox) {}

    void addItem(const std::string& item) {
        items_.push_back(untilNul(item));
        notify(Prop::Items);
    }
    int listCount() const { return static_cast<int>(items_.size()); }
    std::string item(int i) const {
        return i >= 0 && i < listCount() ? items_[static_cast<std::size_t>(i)] : std::string();
    }
    const std::vector<std::string>& items() const { return items_; }

  private:
    std::vector<std::string> items_;
};

} // namespace tavrin
