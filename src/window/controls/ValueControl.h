#pragma once

#include <QStringList>
#include <functional>

#include "window/controls/Control.h"

namespace rotaline {

// A control that stands for a value: an option group, a list, a bar. The form reads, sets,
// words and enables them all alike, whatever their kind.
class ValueControl : public Control {
public:
    using Control::Control;

    // The value shown, -1 while nothing is chosen.
    virtual int value() const = 0;
    // Shows `value` as the user's choice would: a change raises the change event. False for a
    // value the control cannot take, which changes nothing.
    virtual bool setValue(int value) = 0;
    // What value `value` reads as ("" for none); each of them in order.
    virtual QString choiceText(int value) const = 0;
    virtual QStringList choiceTexts() const = 0;
    // Words the values anew (a list takes them as its entries, with none chosen).
    virtual void setChoiceTexts(const QStringList& texts) = 0;
    // What the user chooses with: an option group's buttons, any other control itself.
    virtual void setChoosingEnabled(bool enabled) { setEnabled(enabled); }
    virtual bool isChoosingEnabled() const { return isEnabled(); }

    std::function<void()> onChange;
};

}  // namespace rotaline
