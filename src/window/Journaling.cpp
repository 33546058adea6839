#include "window/Journaling.h"

#include <algorithm>

#include "model/SlotTable.h"

namespace rotaline {

Journaling::Journaling(const ParameterBlock& block, const Controls& controls)
    : block_(block), controls_(controls) {}

void Journaling::setJournal(SendJournal* journal, PortOf portOf) {
    journal_ = journal;
    portOf_ = std::move(portOf);
}

Journaling::Session::Session(Journaling& journaling)
    : journaling_(journaling), earlier_(journaling.session_), sentBefore_(journaling.sent_) {
    if (journaling_.depth_++ == 0) {
        journaling_.session_ = newJournalSession();
        journaling_.complete_ = true;
    }
}

// A session that sent nothing (a file refused, a port not ready) is none: the controller still
// holds what the earlier one left.
Journaling::Session::~Session() {
    if (--journaling_.depth_ > 0) {
        return;
    }
    if (journaling_.sent_ == sentBefore_) {
        journaling_.session_ = earlier_;
    } else {
        journaling_.update();
    }
}

void Journaling::sent(bool ok) {
    ++sent_;
    complete_ = complete_ && ok;
    if (depth_ == 0) {
        update();
    }
}

void Journaling::sendingFailed() {
    if (!session_.isEmpty()) {
        sent(false);
    }
}

void Journaling::update() {
    if (journal_ == nullptr) {
        return;
    }
    if (session_.isEmpty()) {  // changes before any model was chosen
        session_ = newJournalSession();
    }
    const auto [port, adapter] = portOf_(controls_.ComboCOM->listIndex());
    ParameterBlock block = block_;
    block.value[PortSlot] = static_cast<std::uint8_t>(std::max(0, controls_.ComboCOM->listIndex()));
    journal_->record({journalTime(), session_, port, adapter, block, complete_});
}

}  // namespace rotaline
