#include <optional>

#include "window/MainForm.h"
#include "window/PortHelp.h"

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

LineStatus MainForm::lineStatus() const {
    if (deviceBack_ && !link_.line().isBusy()) {
        return {backText(controls_.ComboCOM->text(), unsentCount(), *flags_.language), 100, false};
    }
    if (const std::optional<LinkOutcome>& failure = link_.sendingFailure()) {
        return {portTrouble(*failure, controls_.ComboCOM->listIndex() + 1, *flags_.language), 100,
                false};
    }
    return lineStatusOf(link_.line(), controls_.ComboCOM->text(), *flags_.language,
                        {handshakeOnly_, unsentCount()});
}

}  // namespace rotaline
