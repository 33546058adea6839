#pragma once

#include "window/controls/Control.h"

namespace rotaline {

// A horizontal scroll bar of whole steps; a change of value raises the change event.
class ScrollBar : public Control {
public:
    ScrollBar(QString name, QString parent, int minimum, int maximum, int smallStep, int largeStep);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int smallStep() const { return smallStep_; }
    int largeStep() const { return largeStep_; }
    int value() const { return value_; }
    bool setValue(int value);  // false outside minimum..maximum

    void copyStateOf(const Control& other) override;

    std::function<void()> onChange;

private:
    int minimum_;
    int maximum_;
    int smallStep_;
    int largeStep_;
    int value_;
};

}  // namespace rotaline
