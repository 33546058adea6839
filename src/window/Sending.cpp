#include "model/WireFormat.h"
#include "window/MainForm.h"
#include "window/PortHelp.h"
#include "window/Texts.h"

namespace rotaline {

void MainForm::showInvalidPortMessage() {
    const QString text = controls_.ComboCOM->text() + texts::InvalidPortFirst.in(flags_.chinese) +
                         texts::CrLf + texts::InvalidPortSecond.in(flags_.chinese);
    dialogs_.message(text, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

void MainForm::reportPortProblem(const LinkOutcome& outcome) {
    host_->portProblem(portHelp(outcome, controls_.ComboCOM->listIndex() + 1, flags_.chinese));
}

// What was handed over did not all leave: the lamp goes off and the status bar says why.
void MainForm::sendingFailed(const LinkOutcome& failure) {
    reportPortProblem(failure);
    controls_.ImageOn->setVisible(false);
    controls_.ImageOff->setVisible(true);
    controls_.ImageOff->setToolTip(
        portHelp(failure, controls_.ComboCOM->listIndex() + 1, flags_.chinese));
}

void MainForm::SendParameter(std::uint8_t address, std::uint8_t value) {
    if (const LinkOutcome sent = link_.sendParameter(address, value); !sent.ok) {
        reportPortProblem(sent);
        showInvalidPortMessage();
        return;
    }
    host_->lineBusy();
    const std::array<char16_t, 2> trace = traceOf(link_.sendBuffer());
    controls_.Text2->append(QString(QChar(trace[0])) + QChar(trace[1]));
}

void MainForm::ModelHandshake() {
    if (const LinkOutcome sent = link_.sendModelHandshake(); !sent.ok) {
        reportPortProblem(sent);
        showInvalidPortMessage();
        return;
    }
    host_->lineBusy();
    controls_.Text2->append(QString::fromLatin1(HandshakeTrace));
}

}  // namespace rotaline
