#include "window/ChangeHistory.h"

#include <utility>

namespace rotaline {

namespace {

std::optional<ChangeHistory::Change> moveLast(std::vector<ChangeHistory::Change>& from,
                                              std::vector<ChangeHistory::Change>& to) {
    if (from.empty()) {
        return std::nullopt;
    }
    to.push_back(from.back());
    from.pop_back();
    return to.back();
}

}  // namespace

void ChangeHistory::shown(int slot, int value) {
    before_[slot] = std::exchange(shown_[slot], value);
}

void ChangeHistory::changed(int slot) {
    if (before_[slot] < 0 || before_[slot] == shown_[slot]) {
        return;
    }
    done_.push_back({slot, before_[slot], shown_[slot]});
    undone_.clear();
}

std::optional<ChangeHistory::Change> ChangeHistory::takeUndo() {
    return moveLast(done_, undone_);
}

std::optional<ChangeHistory::Change> ChangeHistory::takeRedo() {
    return moveLast(undone_, done_);
}

void ChangeHistory::clear() {
    done_.clear();
    undone_.clear();
}

}  // namespace rotaline
