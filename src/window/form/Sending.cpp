#include <utility>

#include "model/SlotTable.h"
#include "model/WireFormat.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

MainForm::Command::Command(MainForm& form, bool goesOnOffline) : form_(form) {
    if (form_.commands_++ == 0) {
        form_.boxShown_ = false;
        form_.portTried_ = false;
        form_.goesOnOffline_ = goesOnOffline;
        form_.notes_.begin();
    }
}

// The title says whether the window differs from its file once a command has done all it does,
// whatever it changed on the way and in what order.
MainForm::Command::~Command() {
    if (--form_.commands_ == 0) {
        form_.notes_.end(form_.portFailureNote());
        form_.files_.showFileState();
    }
}

bool MainForm::linkUsable() {
    if (!link_.isReady() && !std::exchange(portTried_, true)) {
        link_.reopen();
    }
    return link_.isReady();
}

void MainForm::showInvalidPortMessage() {
    notes_.failed();
    if (commands_ > 0 && std::exchange(boxShown_, true)) {
        return;
    }
    const QString text = controls_.ComboCOM->text() +
                         texts::Messages(*flags_.language, texts::InvalidPortFirst) + texts::CrLf +
                         texts::Messages(*flags_.language, texts::InvalidPortSecond);
    dialogs_.message(text, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
}

// What was handed over did not all leave: the controller lacks the settings that did not.
void MainForm::sendingFailed(const LinkOutcome& failure) {
    for (const SendBuffer& message : link_.lostMessages()) {
        edits_.markUnsent(slotOf(message[0]), true);
    }
    port_.sendingFailed(failure);
    journaling_.sendingFailed();
}

bool MainForm::SendParameter(std::uint8_t address, std::uint8_t value) {
    if (holdsSends()) {
        edits_.markUnsent(slotOf(address), true);
        files_.showFileState();
        showInvalidPortMessage();
        return false;
    }
    const LinkOutcome outcome = link_.sendParameter(address, value);
    edits_.markUnsent(slotOf(address), !outcome.ok);
    files_.showFileState();
    journaling_.sent(outcome.ok);
    if (!outcome.ok) {
        port_.sendingFailed(outcome);
        showInvalidPortMessage();
        return false;
    }
    port_.sent(true);
    const std::array<char16_t, 2> trace = traceOf(link_.sendBuffer());
    controls_.Text2->append(QString(QChar(trace[0])) + QChar(trace[1]));
    return true;
}

void MainForm::ModelHandshake() {
    if (const LinkOutcome outcome = link_.sendModelHandshake(); !outcome.ok) {
        journaling_.incomplete();
        port_.sendingFailed(outcome);
        showInvalidPortMessage();
        return;
    }
    port_.sent(false);
    controls_.Text2->append(QString::fromLatin1(HandshakeTrace));
}

}  // namespace rotaline
