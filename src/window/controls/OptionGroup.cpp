#include "window/controls/OptionGroup.h"

#include <QStringList>

namespace rotaline {

OptionGroup::OptionGroup(QString name, QString parent, const QStringList& captions)
    : ValueControl(name, ControlKind::OptionGroup, parent) {
    for (int i = 0; i < captions.size(); ++i) {
        auto button = std::make_unique<Control>(QStringLiteral("%1(%2)").arg(name).arg(i),
                                                ControlKind::OptionButton, parent);
        button->setCaption(captions[i]);
        buttons_.push_back(std::move(button));
    }
}

bool OptionGroup::select(int index) {
    return changeValue(selected_, index, 0, count() - 1, onChange);
}

QString OptionGroup::choiceText(int value) const {
    return value >= 0 && value < count() ? buttons_[value]->caption() : QString();
}

QStringList OptionGroup::choiceTexts() const {
    QStringList texts;
    for (const auto& button : buttons_) {
        texts << button->caption();
    }
    return texts;
}

void OptionGroup::setChoiceTexts(const QStringList& texts) {
    for (int i = 0; i < count() && i < texts.size(); ++i) {
        buttons_[i]->setCaption(texts[i]);
    }
}

void OptionGroup::setChoosingEnabled(bool enabled) {
    for (const auto& button : buttons_) {
        button->setEnabled(enabled);
    }
}

bool OptionGroup::isChoosingEnabled() const {
    return buttons_.empty() || buttons_.front()->isEnabled();
}

std::vector<Control*> OptionGroup::parts() const {
    std::vector<Control*> buttons;
    for (const auto& button : buttons_) {
        buttons.push_back(button.get());
    }
    return buttons;
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
