#include "window/form/ChangeHistory.h"

#include <algorithm>
#include <utility>

namespace rotaline {

namespace {

std::optional<ChangeHistory::Step> moveLast(std::vector<ChangeHistory::Step>& from,
                                            std::vector<ChangeHistory::Step>& to) {
    if (from.empty()) {
        return std::nullopt;
    }
    to.push_back(from.back());
    from.pop_back();
    return to.back();
}

}  // namespace

void ChangeHistory::shown(int slot, int value, bool settled) {
    const int previous = std::exchange(shown_[slot], value);
    before_[slot] = settled ? value : previous;
}

// A handler run again on a value it took already changes nothing.
void ChangeHistory::changed(int slot) {
    const int before = std::exchange(before_[slot], shown_[slot]);
    if (before == shown_[slot]) {
        return;
    }
    undone_.clear();
    if (!open_) {
        done_.push_back({{slot, before, shown_[slot]}});
        return;
    }
    const auto same = std::find_if(open_->begin(), open_->end(),
                                   [slot](const Change& change) { return change.slot == slot; });
    if (same == open_->end()) {
        open_->push_back({slot, before, shown_[slot]});
    } else {
        same->after = shown_[slot];
    }
}

void ChangeHistory::openStep() {
    open_.emplace();
}

void ChangeHistory::closeStep() {
    if (open_ && !open_->empty()) {
        done_.push_back(std::move(*open_));
    }
    open_.reset();
}

std::optional<ChangeHistory::Step> ChangeHistory::takeUndo() {
    return moveLast(done_, undone_);
}

std::optional<ChangeHistory::Step> ChangeHistory::takeRedo() {
    return moveLast(undone_, done_);
}

void ChangeHistory::clear() {
    open_.reset();
    done_.clear();
    undone_.clear();
}

}  // namespace rotaline
