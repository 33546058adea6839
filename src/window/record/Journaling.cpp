#include "window/record/Journaling.h"

#include <algorithm>

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "window/texts/Texts.h"

namespace rotaline {

Journaling::Journaling(const ParameterBlock& block, const Controls& controls,
                       const EditHistory& edits)
    : block_(block), controls_(controls), edits_(edits) {}

void Journaling::setJournal(SendJournal* journal, PortOf portOf) {
    journal_ = journal;
    portOf_ = std::move(portOf);
}

void Journaling::begin() {
    state_ = {newJournalSession(), true, state_.model, false};
}

Journaling::Session::Session(Journaling& journaling)
    : journaling_(journaling), earlier_(journaling.state_), sentBefore_(journaling.sent_) {
    if (journaling_.depth_++ == 0) {
        journaling_.begin();
    }
}

// A session that handed nothing over (a file refused, a port not ready, no adapter) is none:
// the controller still holds what the earlier one left.
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

// A session's record is written as it hands over its first byte, then again as it ends; a
// send outside a session updates the record of the session it follows.
void Journaling::sent(bool ok) {
    if (!ok && depth_ == 0) {
        return;
    }
    sent_ += ok ? 1 : 0;
    state_.complete = state_.complete && ok;
    const bool first = ok && !std::exchange(state_.handed, true);
    if (state_.handed && (depth_ == 0 || first)) {
        update();
    }
}

void Journaling::lineCarried() {
    settle(Delivery::InFull, depth_ > 0 ? state_.session : QString());
}

void Journaling::sendingFailed() {
    state_.complete = state_.complete && state_.session.isEmpty();
    settle(Delivery::NotInFull);
}

// The records still sending, but for the session `except`, end as `delivery`.
void Journaling::settle(Delivery delivery, const QString& except) {
    const auto settled = std::stable_partition(
        sending_.begin(), sending_.end(),
        [&except](const JournalRecord& record) { return record.session == except; });
    for (auto record = settled; record != sending_.end(); ++record) {
        record->delivery = delivery;
        record->time = journalTime();
        journal_->record(*record);
    }
    sending_.erase(settled, sending_.end());
}

void Journaling::modelsReset() {
    if (depth_ == 0 && state_.model) {
        begin();
    }
    state_.model = false;
}

void Journaling::modelChosen() {
    state_.model = true;
    recorded_ = {};
}

void Journaling::portChanged() {
    if (depth_ == 0) {
        state_ = {};
        recorded_ = {};
    }
}

std::optional<Delivery> Journaling::delivery() const {
    if (journal_ == nullptr || state_.session.isEmpty() || !state_.handed) {
        return std::nullopt;
    }
    const bool sending = std::any_of(
        sending_.begin(), sending_.end(),
        [this](const JournalRecord& record) { return record.session == state_.session; });
    return sending ? Delivery::Sending : state_.complete ? Delivery::InFull : Delivery::NotInFull;
}

// A reset model is named by none of the type slots. The cell count is a position in the list of
// the model that was reset, meaningless without it: the record leaves it out rather than have
// it read as a position in another list.
void Journaling::unnameModel(ParameterBlock& block) const {
    for (int type = 0; type < EscTypeCount; ++type) {
        block.inUse[modelSlotOf(type)] = false;
    }
    const ComboList& cells = *controls_.ComboNoOfCell;
    if (!std::equal(InitialCells.begin(), InitialCells.end(), cells.items().begin(),
                    cells.items().end(), [](std::string_view initial, const QString& item) {
                        return item == fromView(initial);
                    })) {
        block.inUse[slotOwnedBy(cells.name().toStdString())] = false;
    }
}

void Journaling::update() {
    if (journal_ == nullptr || state_.session.isEmpty()) {
        return;
    }
    const auto [port, adapter] = portOf_(controls_.ComboCOM->listIndex());
    ParameterBlock block = block_;
    block.value[PortSlot] = static_cast<std::uint8_t>(std::max(0, controls_.ComboCOM->listIndex()));
    if (!state_.model) {
        unnameModel(block);
    }
    for (const Parameter& parameter : Parameters) {
        if (const int slot = parameter.slot; edits_.isUnsent(slot)) {
            block.value[slot] = recorded_.value[slot];
            block.inUse[slot] = recorded_.inUse[slot];
        }
    }
    recorded_ = block;
    const JournalRecord record{
        journalTime(), state_.session, port,
        adapter,       block,          state_.complete ? Delivery::Sending : Delivery::NotInFull};
    journal_->record(record);
    sending_.erase(
        std::remove_if(sending_.begin(), sending_.end(),
                       [&record](const JournalRecord& r) { return r.session == record.session; }),
        sending_.end());
    if (record.delivery == Delivery::Sending) {
        sending_.push_back(record);
    }
}

}  // namespace rotaline
