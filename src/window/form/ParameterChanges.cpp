#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "model/WireFormat.h"
#include "window/controls/ControlNames.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

void MainForm::bindHandlers() {
    for (const Parameter& parameter : Parameters) {
        const int slot = parameter.slot;
        ValueControl& control = set_.owner(slot);
        edits_.watch(slot, control);
        control.onChange = [this, slot] { runChangeHandler(slot); };
    }
}

QString MainForm::notePrefix(int slot) const {
    return rotaline::notePrefix(set_, slot);
}

QString MainForm::noteOf(const Parameter& parameter, int value) const {
    return notePrefix(parameter.slot) + QStringLiteral(": ") + choiceText(parameter.slot, value) +
           texts::CrLf;
}

void MainForm::runChangeHandler(int slot) {
    const Parameter* parameter = findParameter(slot);
    if (parameter == nullptr || flags_.suppress) {
        return;
    }
    const ValueControl& control = set_.owner(slot);
    const int value = control.value();
    const bool cells = parameter->encoding == WireEncoding::CellCode;
    if (value < 0 && !cells) {
        return;
    }
    const Command command(*this, false);
    edits_.changed(slot);
    if (cells) {
        runCellCountChange(slot, value);
        return;
    }
    runExtraBeforeNote(parameter->extra, value);
    appendNote(noteOf(*parameter, value));
    block_.value[slot] = static_cast<std::uint8_t>(value);
    SendParameter(addressOf(slot), block_.value[slot]);
    runExtraAfterSend(parameter->extra, value);
}

// A list without "Auto" that shows no number leaves the controller counting the cells itself:
// it is told so, and the block keeps no number for it.
void MainForm::runCellCountChange(int slot, int value) {
    const bool automatic = value < 0;
    const QString text =
        automatic ? fromView(InitialCells.front()) : set_.owner(slot).choiceText(value);
    appendNote(notePrefix(slot) + QStringLiteral(": ") + text + texts::CrLf);
    block_.value[slot] = static_cast<std::uint8_t>(automatic ? 0 : value);
    recordCellCount(slot, automatic);
    SendParameter(addressOf(slot), cellCode(text.toStdString()));
}

// The block keeps no number the controller was not given, and the mark says what it has.
void MainForm::recordCellCount(int slot, bool automatic) {
    block_.inUse[slot] = !automatic;
    edits_.markAutomatic(slot, automatic);
}

// The cell count's factory value is Auto; a model's list without it shows no number then.
int MainForm::factoryValueOf(const Parameter& parameter) const {
    const bool automatic =
        parameter.encoding != WireEncoding::CellCode ||
        cellCode(choiceText(parameter.slot, parameter.factoryValue).toStdString()) == 0;
    return automatic ? parameter.factoryValue : -1;
}

// A step of several changes (the factory defaults) fails with one box.
void MainForm::mnuUndo_Click() {
    const Command command(*this, false);
    edits_.undo();
}

void MainForm::mnuRedo_Click() {
    const Command command(*this, false);
    edits_.redo();
}

void MainForm::runExtraBeforeNote(ExtraStep extra, int value) {
    Controls& c = controls_;
    if (extra == ExtraStep::TimingLabel) {
        c.LabelDegree->setCaption(c.HScrollTiming->choiceText(value));
    } else if (extra == ExtraStep::BatteryType) {
        const bool lithium = value != 0;
        c.ComboPerCellNi->setVisible(!lithium);
        c.ComboPerCellLi->setVisible(lithium);
        c.LabelNumCell->setEnabled(lithium);
        c.ComboNoOfCell->setEnabled(lithium);
    }
}

void MainForm::runExtraAfterSend(ExtraStep extra, int value) {
    if (extra == ExtraStep::MotorPole) {
        const bool shown = controls_.SSTab1->selected() == 1 && value == 0;
        controls_.FrameMotorPole->setVisible(shown);
        block_.inUse[MotorPoleSlot] = shown;
    }
}

}  // namespace rotaline
