#include <algorithm>

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "model/WireFormat.h"
#include "window/controls/ParameterHints.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"ModelSelection"};

constexpr const char* TypeLabel = QT_TRANSLATE_NOOP("ModelSelection", "ESC type  ");

QStringList cellEntries(const ControllerModel& model) {
    QStringList entries;
    for (std::string_view cell : model.cells) {
        if (!cell.empty()) {
            entries << fromView(cell);
        }
    }
    return entries;
}

}  // namespace

// The factory defaults told the controller to count the cells itself: the list shows "Auto"
// where the model has it, and no number otherwise.
void MainForm::rebuildCellList(const ControllerModel& model) {
    ComboList& cells = *controls_.ComboNoOfCell;
    const int slot = slotOwnedBy(cells.name().toStdString());
    cells.clear();
    cells.addItems(cellEntries(model));
    flags_.suppress = true;
    cells.setValue(factoryValueOf(*findParameter(slot)));
    flags_.suppress = false;
    recordCellCount(slot, cells.value() < 0);
    showParameterHints(set_, *flags_.language);
}

void MainForm::adaptModelGroups(const ControllerModel& model) {
    controls_.FrameMotorPole->setVisible(false);
    for (const Parameter& parameter : Parameters) {
        if (parameter.modelRule == ModelRule::Shows) {
            find(fromView(parameter.outerFrame()))->setVisible(model.currentLimitShown);
            block_.inUse[parameter.slot] = model.currentLimitShown;
        }
    }
}

void MainForm::enableByModel(bool enabled) {
    for (const Parameter& parameter : Parameters) {
        if (parameter.modelRule == ModelRule::Enables) {
            enableParameter(parameter, enabled, false);
        }
    }
}

QString MainForm::modelNote(int type) const {
    return constControls_.SSTab1->tabCaption(type) + QLatin1Char(' ') +
           catalogue(*flags_.language, TypeLabel) + QStringLiteral(": ") +
           constControls_.ComboCTRmodel[type]->text();
}

// Only the list of the current tab takes hold of a controller, and only with a model chosen.
void MainForm::ComboCTRmodel_Click(int index) {
    const int type = controls_.SSTab1->selected();
    const ComboList& models = *controls_.ComboCTRmodel[type];
    const int position = models.listIndex();
    const ControllerModel* model = findModel(type, position);
    if (index != type || model == nullptr) {
        return;
    }
    const Command command(*this);
    if (!linkUsable()) {
        showInvalidPortMessage();
        if (!holdsSends()) {
            return;
        }
    }
    const Journaling::Session session(journaling_);
    journaling_.modelChosen();
    edits_.markAllUnsent();  // what the defaults leave as they find it stays marked
    if (!holdsSends()) {
        ModelHandshake();
    }
    block_.value[PortSlot] =
        static_cast<std::uint8_t>(std::max(0, controls_.ComboCOM->listIndex()));
    ApplyFactoryDefaults();
    edits_.end();
    adaptModelGroups(*model);
    rebuildCellList(*model);
    controls_.Text1->setText(modelNote(type) + texts::CrLf);
    block_.value[modelSlotOf(type)] = static_cast<std::uint8_t>(position);
    const bool enableFirst = type >= 2;
    if (enableFirst) {
        enableByModel(model->frequencyEnabled);
    }
    SendParameter(addressOf(modelSlotOf(type)), model->code);
    if (!enableFirst) {
        enableByModel(model->frequencyEnabled);
    }
    allowSendAll(true);
}

}  // namespace rotaline
