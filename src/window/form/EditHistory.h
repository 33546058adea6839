#pragma once

#include <bitset>

#include "model/ParameterBlock.h"
#include "window/controls/ControlSet.h"
#include "window/controls/Controls.h"
#include "window/form/ChangeHistory.h"

namespace rotaline {

// What the user changed, for Undo and Redo, and which settings shown the controller still lacks
// (each such control carries a mark, in the current language).
class EditHistory {
public:
    EditHistory(const ControlSet& set, Controls& controls, const SharedFlags& flags);

    // Follows every value `slot`'s control shows, whoever sets it.
    void watch(int slot, ValueControl& control);
    // The handler of `slot` took the user's change; a change made by Undo or Redo is not one.
    void changed(int slot);
    // The changes of one command, until `closeStep`, are one step of Undo.
    void openStep() { history_.openStep(); }
    void closeStep();
    // The last step taken back, or made again, by setting its controls as the user would.
    void undo();
    void redo();
    // Whatever sets the controller anew ends the history.
    void end();

    void markUnsent(int slot, bool unsent);
    // The control of `slot` chose nothing, and the controller was told to count the cells
    // itself; its mark says so while no unsent value takes its place.
    void markAutomatic(int slot, bool automatic);
    // A controller taken hold of anew lacks every setting until it is sent one.
    void markAllUnsent();
    // The marks again, in the language now used.
    void showUnsentMarks();
    int unsentCount() const { return static_cast<int>(unsent_.count()); }
    // What the marks say of a setting the controller was told to work out itself, while its
    // control can be set; "" for none.
    QString advice() const;
    bool isUnsent(int slot) const { return unsent_[static_cast<std::size_t>(slot)]; }

private:
    void replay(const std::optional<ChangeHistory::Step>& step, bool forward);
    void showMark(int slot);
    void showHistory();

    const ControlSet& set_;
    Controls& controls_;
    const SharedFlags& flags_;
    ChangeHistory history_;
    bool replaying_ = false;
    std::bitset<SlotCount> unsent_;
    std::bitset<SlotCount> automatic_;
};

}  // namespace rotaline
