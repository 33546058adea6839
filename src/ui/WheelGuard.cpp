#include "ui/WheelGuard.h"

#include <QEvent>
#include <QWidget>

namespace rotaline {

namespace {

class WheelGuard : public QObject {
public:
    using QObject::QObject;

protected:
    // Ignored and kept from the control, the event goes on to its parents.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        return false;
    }
};

}  // namespace

void guardWheel(QWidget* control) {
    control->setFocusPolicy(Qt::StrongFocus);  // a list would take the focus from the wheel
    control->installEventFilter(new WheelGuard(control));
}

}  // namespace rotaline
