#pragma once

#include "window/controls/ValueControl.h"

namespace rotaline {

// A horizontal scroll bar of whole steps; a change of value raises the change event. Its values
// read as the texts it is given, minimum first.
class ScrollBar : public ValueControl {
public:
    ScrollBar(QString name, QString parent, int minimum, int maximum, int smallStep, int largeStep);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int smallStep() const { return smallStep_; }
    int largeStep() const { return largeStep_; }
    int value() const override { return value_; }
    bool setValue(int value) override;  // false outside minimum..maximum
    QString choiceText(int value) const override { return texts_.value(value - minimum_); }
    QStringList choiceTexts() const override { return texts_; }
    void setChoiceTexts(const QStringList& texts) override { texts_ = texts; }

    void copyStateOf(const Control& other) override;

private:
    int minimum_;
    int maximum_;
    int smallStep_;
    int largeStep_;
    int value_;
    QStringList texts_;
};

}  // namespace rotaline
