#pragma once

#include <memory>

#include "window/controls/Control.h"

namespace rotaline {

// An array of option buttons of which at most one is selected. Selecting a button that was
// not selected raises the click event with its index; selecting the selected one raises nothing.
class OptionGroup : public Control {
public:
    OptionGroup(QString name, QString parent, const QStringList& captions);

    int count() const { return static_cast<int>(buttons_.size()); }
    Control& button(int index) { return *buttons_.at(index); }
    const Control& button(int index) const { return *buttons_.at(index); }
    int selected() const { return selected_; }
    bool select(int index);

    void copyStateOf(const Control& other) override;

    std::function<void(int)> onClick;

private:
    std::vector<std::unique_ptr<Control>> buttons_;
    int selected_ = -1;
};

}  // namespace rotaline
