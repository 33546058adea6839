#include <optional>

#include "window/form/MainForm.h"

namespace rotaline {

namespace {

constexpr int SettleMilliseconds = 101;  // a little more than 0.1 s

}  // namespace

void MainForm::MSComm1_OnComm() {
    link_.setReceiveThreshold(0);
    host_->waitProcessingEvents(SettleMilliseconds);
    const std::optional<QByteArray> bytes = link_.readReceived();
    if (bytes) {
        controls_.Text1->append(QString::fromLatin1(*bytes));
    }
    link_.setReceiveThreshold(1);
}

void MainForm::mnuExit_Click() {
    link_.close();
    host_->unload();
}

void MainForm::Form_Unload() {
    link_.close();
}

}  // namespace rotaline
