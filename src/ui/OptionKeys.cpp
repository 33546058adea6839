#include "ui/OptionKeys.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>

#include "ui/WidgetBinding.h"
#include "window/controls/OptionGroup.h"

namespace rotaline {

namespace {

int stepOf(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return -1;
        case Qt::Key_Right:
        case Qt::Key_Down:
            return 1;
        default:
            return 0;
    }
}

class OptionKeys : public QObject {
public:
    OptionKeys(const QList<QRadioButton*>& buttons, QObject* parent)
        : QObject(parent), buttons_(buttons) {
        for (QRadioButton* button : buttons_) {
            button->installEventFilter(this);
        }
    }

    // Only the selected button takes Tab focus; the first while none is selected.
    void followSelection(int selected) {
        for (int i = 0; i < buttons_.size(); ++i) {
            buttons_[i]->setFocusPolicy(i == std::max(selected, 0) ? Qt::StrongFocus
                                                                   : Qt::ClickFocus);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int step = stepOf(static_cast<QKeyEvent*>(event)->key());
        if (step == 0) {
            return false;
        }
        const qsizetype next = buttons_.indexOf(static_cast<QRadioButton*>(watched)) + step;
        if (next >= 0 && next < buttons_.size() && buttons_[next]->isEnabled()) {
            buttons_[next]->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            buttons_[next]->click();
        }
        return true;
    }

private:
    QList<QRadioButton*> buttons_;
};

}  // namespace

void bindOptionKeys(OptionGroup& group, const QList<QRadioButton*>& buttons) {
    auto* keys = new OptionKeys(buttons, buttons.first()->parentWidget());
    keys->followSelection(group.selected());
    watch(group, keys, [&group, keys](Property property) {
        if (property == Property::Value) {
            keys->followSelection(group.selected());
        }
    });
}

}  // namespace rotaline
