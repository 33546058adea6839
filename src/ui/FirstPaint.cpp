#include "ui/FirstPaint.h"

#include <QEvent>
#include <QTimer>

namespace rotaline {

namespace {

// A window that is shown but not painted (started minimised) gets the work a second later.
constexpr int UnpaintedDelay = 1000;

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then)
        : QObject(&window), window_(window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            run();
        } else if (event->type() == QEvent::Show) {
            QTimer::singleShot(UnpaintedDelay, this, [this] { run(); });
        }
        return false;
    }

private:
    void run() {
        if (done_) {
            return;
        }
        done_ = true;
        window_.removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            then_();
            deleteLater();
        });
    }

    QWidget& window_;
    std::function<void()> then_;
    bool done_ = false;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then) {
    new FirstPaint(window, std::move(then));
}

}  // namespace rotaline
