#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/ParameterBlock.h"

namespace rotaline {

// The user's changes of parameters, for Undo and Redo, each with the value its control showed
// before it. A step is one change, or all that one command changed (the factory defaults).
// Whatever else sets the controller anew (a model, a tab, a file, a port) ends it: nothing
// before that can be taken back.
class ChangeHistory {
public:
    struct Change {
        int slot;
        int before;
        int after;
    };
    using Step = std::vector<Change>;

    // The control of `slot` shows `value` now, whoever set it (-1: nothing chosen); `settled`:
    // set by no change of the user's (handlers held back, or Undo and Redo themselves), so the
    // next change starts from it.
    void shown(int slot, int value, bool settled);
    // The handler of `slot` took the change to what the control shows now.
    void changed(int slot);
    // The changes until `closeStep` are one step.
    void openStep();
    void closeStep();
    // The last step done, now counted as undone; the last undone, now counted as done again.
    std::optional<Step> takeUndo();
    std::optional<Step> takeRedo();
    void clear();

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }

private:
    std::array<int, SlotCount> shown_{};
    std::array<int, SlotCount> before_{};
    std::optional<Step> open_;
    std::vector<Step> done_;
    std::vector<Step> undone_;
};

}  // namespace rotaline
