#include "model/SlotTable.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"FactoryDefaults"};

constexpr const char* FactoryDefaultNote =
    QT_TRANSLATE_NOOP("FactoryDefaults", "All setting is in factory default");

}  // namespace

void MainForm::ApplyFactoryDefaults() {
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        if (const Parameter* parameter = findParameter(slot)) {
            setOwnerValue(slot, parameter->factoryValue);
            if (parameter->defaultsRunHandler) {
                runChangeHandler(slot, parameter->factoryValue);
            }
        }
    }
    controls_.Text1->setText(QString());
    endHistory();
}

void MainForm::CommandSetFactory_Click() {
    if (!link_.isReady()) {
        showInvalidPortMessage();
        return;
    }
    ApplyFactoryDefaults();
    controls_.Text1->setText(catalogue(*flags_.language, FactoryDefaultNote) + texts::CrLf);
}

// The control that writes `slot`, set to `value` as a user's choice would set it.
bool MainForm::setOwnerValue(int slot, int value) {
    Control& control = ownerOf(slot);
    switch (slotInfo(slot).kind) {
        case ValueKind::OptionIndex:
            return static_cast<OptionGroup&>(control).select(value);
        case ValueKind::ListPosition:
            return static_cast<ComboList&>(control).setListIndex(value);
        case ValueKind::ScrollValue:
            return static_cast<ScrollBar&>(control).setValue(value);
        default:
            return true;
    }
}

Control& MainForm::ownerOf(int slot) {
    return *set_.find(fromView(slotInfo(slot).owner));
}

}  // namespace rotaline
