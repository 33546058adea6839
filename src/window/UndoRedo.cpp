#include "window/MainForm.h"

namespace rotaline {

void MainForm::mnuUndo_Click() {
    replay(history_.takeUndo(), false);
}

void MainForm::mnuRedo_Click() {
    replay(history_.takeRedo(), true);
}

// The control is set as the user would set it: its handler notes, stores and sends the value.
void MainForm::replay(const std::optional<ChangeHistory::Change>& change, bool forward) {
    if (change) {
        replaying_ = true;
        setOwnerValue(change->slot, forward ? change->after : change->before);
        replaying_ = false;
    }
    showHistory();
}

void MainForm::endHistory() {
    history_.clear();
    showHistory();
}

void MainForm::showHistory() {
    controls_.mnuUndo->setEnabled(history_.canUndo());
    controls_.mnuRedo->setEnabled(history_.canRedo());
}

}  // namespace rotaline
