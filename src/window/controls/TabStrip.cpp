#include "window/controls/TabStrip.h"

namespace rotaline {

TabStrip::TabStrip(QString name, QString parent, const QStringList& captions, int selected)
    : Control(std::move(name), ControlKind::TabStrip, std::move(parent)),
      captions_(captions),
      selected_(selected) {}

bool TabStrip::select(int tab) {
    return changeValue(selected_, tab, 0, count() - 1, onClick, selected_);
}

void TabStrip::setSelectedCaption(const QString& caption) {
    if (captions_[selected_] != caption) {
        captions_[selected_] = caption;
        notify(Property::Caption);
    }
}

void TabStrip::copyStateOf(const Control& other) {
    Control::copyStateOf(other);
    const auto& tabs = static_cast<const TabStrip&>(other);
    captions_ = tabs.captions_;
    selected_ = tabs.selected_;
    notify(Property::Caption);
    notify(Property::Value);
}

}  // namespace rotaline
