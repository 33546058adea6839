#include <QEventLoop>
#include <QTimer>
#include <optional>

#include "window/MainForm.h"

namespace rotaline {

namespace {

constexpr int SettleMilliseconds = 101;  // a little more than 0.1 s

void waitWithEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

void MainForm::MSComm1_OnComm() {
    link_.setReceiveThreshold(0);
    if (host_ != nullptr) {
        host_->waitProcessingEvents(SettleMilliseconds);
    } else {
        waitWithEventLoop(SettleMilliseconds);
    }
    const std::optional<QByteArray> bytes = link_.readReceived();
    if (bytes) {
        controls_.Text1->append(QString::fromLatin1(*bytes));
    }
    link_.setReceiveThreshold(1);
}

void MainForm::mnuExit_Click() {
    link_.close();
    if (host_ != nullptr) {
        host_->unload();
    }
}

void MainForm::Form_Unload() {
    link_.close();
}

LineStatus MainForm::lineStatus() const {
    return lineStatusOf(link_.line(), controls_.ComboCOM->text(), flags_.chinese);
}

void MainForm::lineBusy() {
    if (host_ != nullptr) {
        host_->lineBusy();
    }
}

void MainForm::showAbout() {
    if (host_ != nullptr) {
        host_->showAbout();
    }
}

}  // namespace rotaline
