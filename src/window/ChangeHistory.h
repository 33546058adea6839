#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/ParameterBlock.h"

namespace rotaline {

// The user's changes of parameters, for Undo and Redo, each with the value its control showed
// before it. Whatever sets the controller anew (a model, a tab, the factory defaults, a file, a
// port) ends it: nothing before that can be taken back.
class ChangeHistory {
public:
    struct Change {
        int slot;
        int before;
        int after;
    };

    // The control of `slot` shows `value` now, whoever set it (-1: nothing chosen).
    void shown(int slot, int value);
    // The handler of `slot` took the change to what the control shows now. A change from
    // nothing chosen cannot be taken back and is not kept.
    void changed(int slot);
    // The last change done, now counted as undone; the last undone, now counted as done again.
    std::optional<Change> takeUndo();
    std::optional<Change> takeRedo();
    void clear();

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }

private:
    std::array<int, SlotCount> shown_{};
    std::array<int, SlotCount> before_{};
    std::vector<Change> done_;
    std::vector<Change> undone_;
};

}  // namespace rotaline
