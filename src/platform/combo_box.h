// A drop-down list: a real combo box the user can only pick from. Setting
// ListIndex from code raises Click when the selection changes.
#pragma once

#include "control.h"

#include <vector>

namespace tavrin {

class ComboBox : public Control {
  public:
    ComboBox() : Control(ControlKind::ComboBox) {}

    void addItem(const std::string& item) {
        items_.emplace_back(untilNul(item));
        notify(Prop::Items);
    }
    const std::vector<std::string>& items() const { return items_; }
    int listCount() const { return static_cast<int>(items_.size()); }
    // -1 when nothing is selected.
    int listIndex() const { return listIndex_; }
    void setListIndex(int v) {
        if (v < -1 || v >= listCount())
            throw PropertyError("list index out of range");
        if (setAndNotify(listIndex_, v, Prop::Value))
            fire(onClick);
    }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color v) { setAndNotify(foreColor_, v, Prop::ForeColor); }
    Color backColor() const { return backColor_; }
    void setBackColor(Color v) { setAndNotify(backColor_, v, Prop::BackColor); }
    const Font& font() const { return font_; }
    void setFont(const Font& v) {
        font_ = v;
        notify(Prop::Font);
    }

    // From the window system: the user picked an item.
    void syncListIndex(int v) {
        if (v != listIndex_ && v >= -1 && v < listCount()) {
            listIndex_ = v;
            fire(onClick);
        }
    }

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    Color foreColor_ = 0;
    Color backColor_ = rgb(255, 255, 255);
    Font font_;
};

} // namespace tavrin
