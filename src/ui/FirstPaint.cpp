#include "ui/FirstPaint.h"

#include <QEvent>
#include <QTimer>

namespace rotaline {

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then)
        : QObject(&window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then) {
    new FirstPaint(window, std::move(then));
}

}  // namespace rotaline
