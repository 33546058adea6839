#include "window/form/EditHistory.h"

#include "model/ParameterTable.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"Sending"};

constexpr const char* UnsentMark = QT_TRANSLATE_NOOP("Sending", "Not sent to the controller");
constexpr const char* AutomaticMark = QT_TRANSLATE_NOOP(
    "Sending", "The controller counts the cells itself (Auto): choose their number");

}  // namespace

EditHistory::EditHistory(const ControlSet& set, Controls& controls, const SharedFlags& flags)
    : set_(set), controls_(controls), flags_(flags) {}

// The history learns every value a parameter's control shows, so that a change knows the
// value before it even where that was set with the handlers held back. A handler run again on
// such a value (the factory defaults run every one) changes nothing.
void EditHistory::watch(int slot, ValueControl& control) {
    history_.shown(slot, control.value(), true);
    control.observe([this, slot, &control](Property property) {
        if (property == Property::Value || property == Property::Items) {
            history_.shown(slot, control.value(), replaying_ || flags_.suppress);
        }
    });
}

// A value set by Undo or Redo is seen as settled, so its handler notes no new change.
void EditHistory::changed(int slot) {
    history_.changed(slot);
    showHistory();
}

void EditHistory::undo() {
    replay(history_.takeUndo(), false);
}

void EditHistory::redo() {
    replay(history_.takeRedo(), true);
}

void EditHistory::closeStep() {
    history_.closeStep();
    showHistory();
}

// Each control is set as the user would set it: its handler notes, stores and sends the value.
// A step is taken back last change first.
void EditHistory::replay(const std::optional<ChangeHistory::Step>& step, bool forward) {
    if (step) {
        replaying_ = true;
        if (forward) {
            for (const ChangeHistory::Change& change : *step) {
                set_.owner(change.slot).setValue(change.after);
            }
        } else {
            for (auto change = step->rbegin(); change != step->rend(); ++change) {
                set_.owner(change->slot).setValue(change->before);
            }
        }
        replaying_ = false;
    }
    showHistory();
}

void EditHistory::end() {
    history_.clear();
    showHistory();
}

void EditHistory::showHistory() {
    controls_.mnuUndo->setEnabled(history_.canUndo());
    controls_.mnuRedo->setEnabled(history_.canRedo());
}

// Only what a parameter's control changes is marked: the window shows it, the controller lacks it.
void EditHistory::markUnsent(int slot, bool unsent) {
    if (slot >= 0 && slot < SlotCount && findParameter(slot) != nullptr) {
        unsent_[static_cast<std::size_t>(slot)] = unsent;
        showMark(slot);
    }
}

void EditHistory::markAutomatic(int slot, bool automatic) {
    automatic_[static_cast<std::size_t>(slot)] = automatic;
    showMark(slot);
}

void EditHistory::showMark(int slot) {
    const auto at = static_cast<std::size_t>(slot);
    const char* mark = unsent_[at] ? UnsentMark : automatic_[at] ? AutomaticMark : nullptr;
    set_.owner(slot).setUnsentMark(mark != nullptr ? catalogue(*flags_.language, mark) : QString(),
                                   mark == AutomaticMark);
}

// Given while the user can follow it: the list is there to choose from.
QString EditHistory::advice() const {
    for (const Parameter& parameter : Parameters) {
        const auto at = static_cast<std::size_t>(parameter.slot);
        if (automatic_[at] && !unsent_[at] && set_.owner(parameter.slot).isEnabled()) {
            return catalogue(*flags_.language, AutomaticMark);
        }
    }
    return QString();
}

void EditHistory::markAllUnsent() {
    for (const Parameter& parameter : Parameters) {
        unsent_.set(static_cast<std::size_t>(parameter.slot));
    }
    showUnsentMarks();
}

void EditHistory::showUnsentMarks() {
    for (const Parameter& parameter : Parameters) {
        showMark(parameter.slot);
    }
}

}  // namespace rotaline
