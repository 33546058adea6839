#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

#include "window/port/LineStatus.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace rotaline {

// Shown when the programmer ends with bytes still on the line: the progress of the line and a
// way to quit at once. It closes itself once finished() is called; after failed() it stays and
// says what went wrong until the user closes it.
class FinishingDialog : public QDialog {
    Q_OBJECT
public:
    FinishingDialog(std::function<LineStatus()> line, std::function<void()> quitNow,
                    const Language& language);

    void finished();
    void failed(const QString& why);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<LineStatus()> line_;
    std::function<void()> quitNow_;
    const Language* language_;
    QLabel* text_;
    QPushButton* button_;
    QProgressBar* progress_;
    QTimer timer_;
    bool finished_ = false;
};

}  // namespace rotaline
