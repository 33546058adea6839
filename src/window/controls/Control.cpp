#include "window/controls/Control.h"

namespace rotaline {

Control::Control(QString name, ControlKind kind, QString parent)
    : name_(std::move(name)), kind_(kind), parent_(std::move(parent)) {}

void Control::setCaption(const QString& caption, bool accessKeys) {
    if (caption_ != caption || accessKeys_ != accessKeys) {
        caption_ = caption;
        accessKeys_ = accessKeys;
        notify(Property::Caption);
    }
}

void Control::setVisible(bool visible) {
    change(visible_, visible, Property::Visible);
}

void Control::setEnabled(bool enabled) {
    change(enabled_, enabled, Property::Enabled);
}

void Control::setToolTip(const QString& toolTip) {
    change(toolTip_, toolTip, Property::ToolTip);
}

void Control::setAccessible(const QString& name, const QString& description) {
    if (accessibleName_ != name || description_ != description) {
        accessibleName_ = name;
        description_ = description;
        notify(Property::Accessible);
    }
}

void Control::setUnsentMark(const QString& mark, bool advice) {
    if (unsentMark_ != mark || markIsAdvice_ != advice) {
        unsentMark_ = mark;
        markIsAdvice_ = advice;
        notify(Property::UnsentMark);
    }
}

void Control::copyStateOf(const Control& other) {
    setCaption(other.caption_, other.accessKeys_);
    setVisible(other.visible_);
    setEnabled(other.enabled_);
    setToolTip(other.toolTip_);
    setAccessible(other.accessibleName_, other.description_);
    setUnsentMark(other.unsentMark_, other.markIsAdvice_);
}

// An observer added while the others hear of a change (a widget made for a control shown) is
// made with what the control holds, and hears of the next change.
void Control::notify(Property property) const {
    for (std::size_t i = 0, told = observers_.size(); i < told; ++i) {
        observers_[i](property);
    }
}

}  // namespace rotaline
