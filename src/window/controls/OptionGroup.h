#pragma once

#include <memory>

#include "window/controls/ValueControl.h"

namespace rotaline {

// An array of option buttons of which at most one is selected; its value is the selected
// button's index. Selecting a button that was not selected raises the change event; selecting
// the selected one raises nothing.
class OptionGroup : public ValueControl {
public:
    OptionGroup(QString name, QString parent, const QStringList& captions);

    int count() const { return static_cast<int>(buttons_.size()); }
    Control& button(int index) { return *buttons_.at(index); }
    const Control& button(int index) const { return *buttons_.at(index); }
    int selected() const { return selected_; }
    bool select(int index);

    int value() const override { return selected_; }
    bool setValue(int value) override { return select(value); }
    QString choiceText(int value) const override;
    QStringList choiceTexts() const override;
    void setChoiceTexts(const QStringList& texts) override;
    void setChoosingEnabled(bool enabled) override;
    bool isChoosingEnabled() const override;
    std::vector<Control*> parts() const override;

    void copyStateOf(const Control& other) override;

private:
    std::vector<std::unique_ptr<Control>> buttons_;
    int selected_ = -1;
};

}  // namespace rotaline
