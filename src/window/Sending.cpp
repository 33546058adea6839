#include <utility>

#include "model/ParameterTable.h"
#include "model/WireFormat.h"
#include "window/MainForm.h"
#include "window/PortHelp.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"Sending"};

constexpr const char* UnsentMark = QT_TRANSLATE_NOOP("Sending", "Not sent to the controller");

}  // namespace

void MainForm::showInvalidPortMessage() {
    const QString text = controls_.ComboCOM->text() +
                         texts::Messages(*flags_.language, texts::InvalidPortFirst) + texts::CrLf +
                         texts::Messages(*flags_.language, texts::InvalidPortSecond);
    dialogs_.message(text, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

void MainForm::reportPortProblem(const LinkOutcome& outcome) {
    host_->portProblem([outcome, port = controls_.ComboCOM->listIndex() + 1](
                           const Language& language) { return portHelp(outcome, port, language); });
}

// A send failed, or what was handed over did not all leave: the lamp goes off and the status
// bar says why. A device that is gone is watched for.
void MainForm::showSendingFailure(const LinkOutcome& failure) {
    reportPortProblem(failure);
    controls_.ImageOn->setVisible(false);
    controls_.ImageOff->setVisible(true);
    lamp_ = {failure, controls_.ComboCOM->listIndex() + 1};
    showLampHelp();
    deviceLost_ =
        failure.problem == PortProblem::Absent || failure.problem == PortProblem::Disconnected;
    deviceBack_ = false;
}

// What was handed over did not all leave.
void MainForm::sendingFailed(const LinkOutcome& failure) {
    showSendingFailure(failure);
    if (!journaling_.session.isEmpty()) {
        journalSent(false);
    }
}

void MainForm::sent() {
    deviceBack_ = false;
    host_->lineBusy();
}

void MainForm::deviceReturned() {
    if (!std::exchange(deviceLost_, false)) {
        return;
    }
    deviceBack_ = true;
    controls_.ImageOn->setVisible(true);
    controls_.ImageOff->setVisible(false);
    lamp_ = {LinkOutcome{}, controls_.ComboCOM->listIndex() + 1};
    showLampHelp();
    host_->lineBusy();
}

bool MainForm::SendParameter(std::uint8_t address, std::uint8_t value) {
    const LinkOutcome outcome = link_.sendParameter(address, value);
    markUnsent(slotOf(address), !outcome.ok);
    showFileState();
    journalSent(outcome.ok);
    if (!outcome.ok) {
        showSendingFailure(outcome);
        showInvalidPortMessage();
        return false;
    }
    handshakeOnly_ = false;
    sent();
    const std::array<char16_t, 2> trace = traceOf(link_.sendBuffer());
    controls_.Text2->append(QString(QChar(trace[0])) + QChar(trace[1]));
    return true;
}

bool MainForm::ModelHandshake() {
    if (const LinkOutcome outcome = link_.sendModelHandshake(); !outcome.ok) {
        journaling_.complete = false;
        showSendingFailure(outcome);
        showInvalidPortMessage();
        return false;
    }
    sent();
    controls_.Text2->append(QString::fromLatin1(HandshakeTrace));
    return true;
}

// Only what a parameter's control changes is marked: the window shows it, the controller lacks it.
void MainForm::markUnsent(int slot, bool unsent) {
    if (slot >= 0 && slot < SlotCount && findParameter(slot) != nullptr) {
        unsent_[static_cast<std::size_t>(slot)] = unsent;
        ownerOf(slot).setUnsentMark(unsent ? catalogue(*flags_.language, UnsentMark) : QString());
    }
}

void MainForm::clearUnsent() {
    unsent_.reset();
    showUnsentMarks();
}

void MainForm::showUnsentMarks() {
    for (const Parameter& parameter : Parameters) {
        markUnsent(parameter.slot, unsent_[static_cast<std::size_t>(parameter.slot)]);
    }
}

}  // namespace rotaline
