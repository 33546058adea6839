#include "window/controls/ScrollBar.h"

namespace rotaline {

ScrollBar::ScrollBar(QString name, QString parent, int minimum, int maximum, int smallStep,
                     int largeStep)
    : ValueControl(std::move(name), ControlKind::ScrollBar, std::move(parent)),
      minimum_(minimum),
      maximum_(maximum),
      smallStep_(smallStep),
      largeStep_(largeStep),
      value_(minimum) {}

bool ScrollBar::setValue(int value) {
    return changeValue(value_, value, minimum_, maximum_, onChange);
}

void ScrollBar::copyStateOf(const Control& other) {
    Control::copyStateOf(other);
    const auto& bar = static_cast<const ScrollBar&>(other);
    value_ = bar.value_;
    texts_ = bar.texts_;
    notify(Property::Value);
}

}  // namespace rotaline
