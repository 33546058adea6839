#include <algorithm>

#include "model/SlotTable.h"
#include "window/MainForm.h"

namespace rotaline {

void MainForm::setJournal(SendJournal* journal, JournalPortOf portOf) {
    journaling_.journal = journal;
    journaling_.portOf = std::move(portOf);
}

MainForm::JournalSession::JournalSession(MainForm& form)
    : form_(form), earlier_(form.journaling_.session), sentBefore_(form.journaling_.sent) {
    if (form_.journaling_.depth++ == 0) {
        form_.journaling_.session = newJournalSession();
        form_.journaling_.complete = true;
    }
}

// A session that sent nothing (a file refused, a port not ready) is none: the controller still
// holds what the earlier one left.
MainForm::JournalSession::~JournalSession() {
    if (--form_.journaling_.depth > 0) {
        return;
    }
    if (form_.journaling_.sent == sentBefore_) {
        form_.journaling_.session = earlier_;
    } else {
        form_.journalUpdate();
    }
}

void MainForm::journalSent(bool ok) {
    ++journaling_.sent;
    journaling_.complete = journaling_.complete && ok;
    if (journaling_.depth == 0) {
        journalUpdate();
    }
}

void MainForm::journalUpdate() {
    if (journaling_.journal == nullptr) {
        return;
    }
    if (journaling_.session.isEmpty()) {  // changes before any model was chosen
        journaling_.session = newJournalSession();
    }
    const auto [port, adapter] = journaling_.portOf(controls_.ComboCOM->listIndex());
    ParameterBlock block = block_;
    block.value[PortSlot] = static_cast<std::uint8_t>(std::max(0, controls_.ComboCOM->listIndex()));
    journaling_.journal->record(
        {journalTime(), journaling_.session, port, adapter, block, journaling_.complete});
}

}  // namespace rotaline
