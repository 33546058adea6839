#include "window/controls/OptionGroup.h"

#include <QStringList>

namespace rotaline {

OptionGroup::OptionGroup(QString name, QString parent, const QStringList& captions)
    : Control(name, ControlKind::OptionGroup, parent) {
    for (int i = 0; i < captions.size(); ++i) {
        auto button = std::make_unique<Control>(QStringLiteral("%1(%2)").arg(name).arg(i),
                                                ControlKind::OptionButton, parent);
        button->setCaption(captions[i]);
        buttons_.push_back(std::move(button));
    }
}

bool OptionGroup::select(int index) {
    return changeValue(selected_, index, 0, count() - 1, onClick, index);
}

void OptionGroup::copyStateOf(const Control& other) {
    Control::copyStateOf(other);
    const auto& group = static_cast<const OptionGroup&>(other);
    for (int i = 0; i < count(); ++i) {
        buttons_[i]->copyStateOf(*group.buttons_[i]);
    }
    selected_ = group.selected_;
    notify(Property::Value);
}

}  // namespace rotaline
