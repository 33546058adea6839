#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

#include "window/LineStatus.h"

class QProgressBar;

namespace rotaline {

// Shown when the programmer ends with bytes still on the line: the progress of the line and a
// way to quit at once. It closes itself once finished() is called.
class FinishingDialog : public QDialog {
    Q_OBJECT
public:
    FinishingDialog(std::function<LineStatus()> line, std::function<void()> quitNow,
                    const Language& language);

    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<LineStatus()> line_;
    std::function<void()> quitNow_;
    QProgressBar* progress_;
    QTimer timer_;
    bool finished_ = false;
};

}  // namespace rotaline
