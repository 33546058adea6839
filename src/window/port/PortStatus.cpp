#include "window/port/PortStatus.h"

#include <utility>

#include "window/port/PortHelp.h"

namespace rotaline {

PortStatus::PortStatus(const ProgrammingLink& link, Controls& controls, const SharedFlags& flags,
                       FormHost* const& host)
    : link_(link), controls_(controls), flags_(flags), host_(host) {}

int PortStatus::portNumber() const {
    return controls_.ComboCOM->listIndex() + 1;
}

void PortStatus::chosen(const LinkOutcome& outcome) {
    if (outcome.ok) {
        host_->lineBusy();
    } else {
        reportPortProblem(outcome);
    }
    light(outcome.ok, outcome);
    handshakeOnly_ = outcome.ok;
    deviceLost_ = false;
    deviceBack_ = false;
}

void PortStatus::sent(bool parameter) {
    handshakeOnly_ = handshakeOnly_ && !parameter;
    deviceBack_ = false;
    host_->lineBusy();
}

// The lamp goes off and the status bar says why. A device that is gone is watched for.
void PortStatus::sendingFailed(const LinkOutcome& failure) {
    reportPortProblem(failure);
    light(false, failure);
    deviceLost_ =
        failure.problem == PortProblem::Absent || failure.problem == PortProblem::Disconnected;
    deviceBack_ = false;
}

// After a send found it gone, the lamp lights and the status bar says what the controller
// still lacks.
void PortStatus::deviceReturned() {
    if (!std::exchange(deviceLost_, false)) {
        return;
    }
    deviceBack_ = true;
    light(true, LinkOutcome{});
    host_->lineBusy();
}

void PortStatus::light(bool on, const LinkOutcome& outcome) {
    controls_.ImageOn->setVisible(on);
    controls_.ImageOff->setVisible(!on);
    lamp_ = outcome;
    lampPort_ = portNumber();
    showLampHelp();
}

// The lamp says why the port selected last could not be used, in the current language.
void PortStatus::showLampHelp() {
    controls_.ImageOff->setToolTip(portHelp(lamp_, lampPort_, *flags_.language, sendAll()));
}

// Its fix names Send all while that command is there to use when the text is shown.
void PortStatus::reportPortProblem(const LinkOutcome& outcome) {
    host_->portProblem([this, outcome, port = portNumber()](const Language& language) {
        return portHelp(outcome, port, language, sendAll());
    });
}

// Whether what the controller lacks can go out by Send all, or waits for a model.
bool PortStatus::sendAll() const {
    return controls_.mnuSendAll->isEnabled();
}

LineStatus PortStatus::lineStatus(int unsent, const QString& advice) const {
    if (deviceBack_ && !link_.line().isBusy(link_.now())) {
        return {backText(controls_.ComboCOM->text(), unsent, sendAll(), *flags_.language), 100,
                false};
    }
    if (const std::optional<LinkOutcome>& failure = link_.sendingFailure()) {
        return {portTrouble(*failure, portNumber(), *flags_.language), 100, false};
    }
    return lineStatusOf(link_.line(), controls_.ComboCOM->text(), *flags_.language,
                        {handshakeOnly_, unsent, sendAll(), advice}, link_.now());
}

}  // namespace rotaline
