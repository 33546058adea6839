#include "model/SlotTable.h"
#include "model/WireFormat.h"
#include "window/ControlNames.h"
#include "window/MainForm.h"
#include "window/Texts.h"

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
    if (value < 0) {
        return;
    }
    edits_.changed(slot);
    runExtraBeforeNote(parameter->extra, value);
    appendNote(noteOf(*parameter, value));
    block_.value[slot] = static_cast<std::uint8_t>(value);
    std::uint8_t sent = block_.value[slot];
    if (parameter->encoding == WireEncoding::CellCode) {
        sent = cellCode(control.choiceText(value).toStdString());
    }
    SendParameter(addressOf(slot), sent);
    runExtraAfterSend(parameter->extra, value);
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
