#include "window/Journaling.h"

#include <algorithm>

#include "model/EscCatalogue.h"
#include "model/SlotTable.h"

namespace rotaline {

Journaling::Journaling(const ParameterBlock& block, const Controls& controls)
    : block_(block), controls_(controls) {}

void Journaling::setJournal(SendJournal* journal, PortOf portOf) {
    journal_ = journal;
    portOf_ = std::move(portOf);
}

void Journaling::begin() {
    state_ = {newJournalSession(), true, state_.model};
}

Journaling::Session::Session(Journaling& journaling)
    : journaling_(journaling), earlier_(journaling.state_), sentBefore_(journaling.sent_) {
    if (journaling_.depth_++ == 0) {
        journaling_.begin();
    }
}

// A session that sent nothing (a file refused, a port not ready) is none: the controller still
// holds what the earlier one left.
Journaling::Session::~Session() {
    if (--journaling_.depth_ > 0) {
        return;
    }
    if (journaling_.sent_ == sentBefore_) {
        journaling_.state_ = earlier_;
    } else {
        journaling_.update();
    }
}

void Journaling::sent(bool ok) {
    ++sent_;
    state_.complete = state_.complete && ok;
    if (depth_ == 0) {
        update();
    }
}

void Journaling::sendingFailed() {
    if (!state_.session.isEmpty()) {
        sent(false);
    } else if (last_ && last_->complete) {
        last_->complete = false;
        last_->time = journalTime();
        journal_->record(*last_);
    }
}

void Journaling::modelsReset() {
    if (depth_ == 0 && state_.model) {
        begin();
    }
    state_.model = false;
}

void Journaling::portChanged() {
    if (depth_ == 0) {
        state_ = {};
    }
}

void Journaling::update() {
    if (journal_ == nullptr || state_.session.isEmpty()) {
        return;
    }
    const auto [port, adapter] = portOf_(controls_.ComboCOM->listIndex());
    ParameterBlock block = block_;
    block.value[PortSlot] = static_cast<std::uint8_t>(std::max(0, controls_.ComboCOM->listIndex()));
    for (int type = 0; type < EscTypeCount && !state_.model; ++type) {
        block.inUse[modelSlotOf(type)] = false;  // reset: the record names no model
    }
    last_ = {journalTime(), state_.session, port, adapter, block, state_.complete};
    journal_->record(*last_);
}

}  // namespace rotaline
