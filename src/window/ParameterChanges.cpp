#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "model/WireFormat.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

// The history learns every value a parameter's control shows, so that a change knows the
// value before it even where that was set with the handlers held back.
void MainForm::watchShownValue(int slot, ValueControl& control) {
    history_.shown(slot, control.value());
    control.observe([this, slot, &control](Property property) {
        if (property == Property::Value || property == Property::Items) {
            history_.shown(slot, control.value());
        }
    });
}

void MainForm::bindHandlers() {
    for (const Parameter& parameter : Parameters) {
        const int slot = parameter.slot;
        ValueControl& control = ownerOf(slot);
        watchShownValue(slot, control);
        control.onChange = [this, slot] { runChangeHandler(slot); };
    }
    Controls& c = controls_;
    c.ComboCOM->onChange = [this] { ComboCOM_Click(); };
    c.CommandClear->onClick = [this] { CommandClear_Click(); };
    c.mnuExit->onClick = [this] { mnuExit_Click(); };
    for (const Language& language : Languages) {
        find(fromView(language.menuItem))->onClick = [this, &language] {
            switchLanguage(language);
        };
    }
    c.mnuAbout->onClick = [this] { host_->showAbout(); };
    c.mnuHow->onClick = [this] { host_->showGuide(); };
    for (Control* adapters : {c.mnuAdapters, c.ImageOn, c.ImageOff}) {
        adapters->onClick = [this] { host_->showAdapters(); };
    }
    c.mnuOpen->onClick = [this] { mnuOpen_Click(); };
    c.mnuSave->onClick = [this] { SaveSettingsFile(); };
    c.mnuSendAll->onClick = [this] { mnuSendAll_Click(); };
    c.mnuHistory->onClick = [this] { host_->showJournal(); };
    c.mnuPrintSheet->onClick = [this] { host_->printSheet(); };
    c.mnuExportSheet->onClick = [this] { host_->exportSheet(); };
    c.mnuUndo->onClick = [this] { mnuUndo_Click(); };
    c.mnuRedo->onClick = [this] { mnuRedo_Click(); };
    for (int index = 1; index < static_cast<int>(c.mnuFileMRU.size()); ++index) {
        c.mnuFileMRU[index]->onClick = [this, index] { mnuFileMRU_Click(index); };
    }
    c.Toolbar1->onButtonClick = [this](const QString& key) { Toolbar1_ButtonClick(key); };
    c.CommandSetFactory->onClick = [this] { CommandSetFactory_Click(); };
    c.SSTab1->onClick = [this](int previousTab) { SSTab1_Click(previousTab); };
    for (int type = 0; type < EscTypeCount; ++type) {
        c.ComboCTRmodel[type]->onChange = [this, type] { ComboCTRmodel_Click(type); };
    }
}

QString MainForm::notePrefix(int slot) const {
    const Parameter& parameter = *findParameter(slot);
    if (!parameter.fixedNote.empty()) {
        return fromView(parameter.fixedNote);
    }
    if (parameter.noteCaptions[0].empty()) {
        return find(fromView(parameter.caption.name))->caption();
    }
    QString prefix;
    for (std::string_view part : parameter.noteCaptions) {
        prefix += find(fromView(part))->caption();
    }
    return prefix;
}

QString MainForm::choiceText(int slot, int value) const {
    return ownerOf(slot).choiceText(value);
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
    const ValueControl& control = ownerOf(slot);
    const int value = control.value();
    if (value < 0) {
        return;
    }
    if (!replaying_) {
        history_.changed(slot);
        showHistory();
    }
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

void MainForm::CommandClear_Click() {
    controls_.Text1->setText(QString());
    controls_.Text2->setText(QString());
}

}  // namespace rotaline
