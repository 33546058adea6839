#pragma once

#include <QStringList>

#include "window/controls/Control.h"

namespace rotaline {

// Icon buttons in a row; a click reports the button's key.
class Toolbar : public Control {
public:
    struct Button {
        QString key;
        QString picture;  // key of its picture
    };

    Toolbar(QString name, QString parent, QList<Button> buttons)
        : Control(std::move(name), ControlKind::Toolbar, std::move(parent)),
          buttons_(std::move(buttons)) {}

    const QList<Button>& buttons() const { return buttons_; }
    void clickButton(const QString& key) const {
        if (onButtonClick) {
            onButtonClick(key);
        }
    }

    std::function<void(const QString& key)> onButtonClick;

private:
    QList<Button> buttons_;
};

}  // namespace rotaline
