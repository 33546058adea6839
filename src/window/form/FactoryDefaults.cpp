#include "model/SlotTable.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"FactoryDefaults"};

constexpr const char* FactoryDefaultNote =
    QT_TRANSLATE_NOOP("FactoryDefaults", "All setting is in factory default");

}  // namespace

void MainForm::ApplyFactoryDefaults() {
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        if (const Parameter* parameter = findParameter(slot)) {
            setOwnerValue(slot, factoryValueOf(*parameter));
            if (parameter->defaultsRunHandler) {
                runChangeHandler(slot);
            }
        }
    }
    controls_.Text1->setText(QString());
}

// One step of Undo: undone, every value it replaced is set and sent again.
void MainForm::CommandSetFactory_Click() {
    const Command command(*this, false);
    if (!linkUsable()) {
        showInvalidPortMessage();
        return;
    }
    edits_.openStep();
    ApplyFactoryDefaults();
    edits_.closeStep();
    controls_.Text1->setText(catalogue(*flags_.language, FactoryDefaultNote) + texts::CrLf);
}

bool MainForm::letsSet(int slot) const {
    const Control* control = set_.find(fromView(slotInfo(slot).owner));
    if (const auto* owner = dynamic_cast<const ValueControl*>(control);
        owner != nullptr && !owner->isChoosingEnabled()) {
        return false;
    }
    for (; control != nullptr; control = set_.find(control->parentName())) {
        const int page = set_.pageOf(control->name());
        if (!control->isVisible() || !control->isEnabled() ||
            (page >= 0 && page != constControls_.SSTab1->selected())) {
            return false;
        }
    }
    return true;
}

}  // namespace rotaline
