#include "ui/GestureEnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace rotaline {

namespace {

// Follows the press the application's mouse is in, and drops key repeats once told to.
class Gesture : public QObject {
public:
    static Gesture& instance() {
        static Gesture* gesture = [] {
            auto* made = new Gesture(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(made);
            return made;
        }();
        return *gesture;
    }

    void end() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        if (QPointer<QWidget> pressed = std::exchange(pressed_, nullptr)) {
            QMouseEvent release(QEvent::MouseButtonRelease, at_, pressed->mapToGlobal(at_), button_,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(pressed, &release);
        }
        droppingRepeats_ = true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                followPress(watched, static_cast<QMouseEvent*>(event));
                return false;
            case QEvent::MouseButtonRelease:
                pressed_ = nullptr;
                return false;
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
            case QEvent::KeyRelease:
                return dropsRepeat(static_cast<QKeyEvent*>(event));
            default:
                return false;
        }
    }

private:
    using QObject::QObject;

    // The press goes to the widget under the mouse first, then to its parents if ignored.
    void followPress(QObject* watched, const QMouseEvent* press) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || (pressed_ && widget->isAncestorOf(pressed_))) {
            return;
        }
        pressed_ = widget;
        at_ = press->position();
        button_ = press->button();
    }

    // A repeat of the key held when the box came is dropped; letting it go, or pressing
    // another, ends that.
    bool dropsRepeat(QKeyEvent* key) {
        if (!key->isAutoRepeat()) {
            droppingRepeats_ = false;
            return false;
        }
        if (droppingRepeats_ && key->type() == QEvent::ShortcutOverride) {
            key->accept();  // and so no shortcut either
        }
        return droppingRepeats_;
    }

    QPointer<QWidget> pressed_;
    QPointF at_;
    Qt::MouseButton button_ = Qt::NoButton;
    bool droppingRepeats_ = false;
};

}  // namespace

void followGestures() {
    Gesture::instance();
}

void endGesture() {
    Gesture::instance().end();
}

}  // namespace rotaline
