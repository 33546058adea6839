#include <array>
#include <string_view>

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "model/TableRules.h"
#include "model/WireFormat.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"TypeTabs"};

// A group frame follows the tabs' enabling when every parameter in it does, on the same tabs.
constexpr bool groupFollowsTabs(std::string_view group) {
    for (const Parameter& parameter : Parameters) {
        if (parameter.group() == group && parameter.tabRule != TabRule::Enables) {
            return false;
        }
    }
    return true;
}

constexpr int SharedFrameDisagrees = firstRowBreaking(Parameters, [](const Parameter& one, int) {
    for (const Parameter& other : Parameters) {
        const bool shown = one.tabRule == TabRule::Shows || other.tabRule == TabRule::Shows;
        if (shown && one.outerFrame() == other.outerFrame() &&
            (one.tabRule != other.tabRule || one.tabs != other.tabs)) {
            return false;
        }
    }
    return true;
});
static_assert(SharedFrameDisagrees == EveryRowHolds,
              "parameters that share a frame the tabs show agree on the tabs");

// On the car the reverse power limit works as the brake.
constexpr const char* ReverseLabel = QT_TRANSLATE_NOOP("TypeTabs", "Reverse ");
constexpr const char* CarReverseLabel = QT_TRANSLATE_NOOP("TypeTabs", "Rev./Brake");

constexpr int CarTab = 3;

}  // namespace

void MainForm::arrangeGroupsFor(int type) {
    const int column = type < CarTab ? type : CarTab;
    for (const Parameter& parameter : Parameters) {
        const bool onThisTab = (parameter.tabs >> column & 1U) != 0;
        if (parameter.tabRule == TabRule::Shows) {
            find(fromView(parameter.outerFrame()))->setVisible(onThisTab);
        } else if (parameter.tabRule == TabRule::Enables) {
            enableParameter(parameter, onThisTab, groupFollowsTabs(parameter.group()));
        }
    }
    const char* label = column == CarTab ? CarReverseLabel : ReverseLabel;
    controls_.LabelRev->setCaption(catalogue(*flags_.language, label));
}

// Its caption and control (an option group's buttons), and its group's frame where asked.
void MainForm::enableParameter(const Parameter& parameter, bool enabled, bool withGroup) {
    if (withGroup && parameter.frame != Group::None) {
        find(fromView(parameter.group()))->setEnabled(enabled);
    }
    find(fromView(parameter.caption.name))->setEnabled(enabled);
    set_.owner(parameter.slot).setChoosingEnabled(enabled);
}

void MainForm::recordSlotsFor(int type) {
    for (int other = 0; other < EscTypeCount; ++other) {
        block_.inUse[modelSlotOf(other)] = other == type;
    }
    for (const Parameter& parameter : Parameters) {
        if (parameter.tabRule == TabRule::Shows) {
            block_.inUse[parameter.slot] = find(fromView(parameter.outerFrame()))->isVisible();
        }
    }
}

void MainForm::SSTab1_Click(int previousTab) {
    const TabStrip& tabs = *controls_.SSTab1;
    const int type = tabs.selected();
    arrangeGroupsFor(type);
    recordSlotsFor(type);
    if (flags_.suppress) {
        return;
    }
    if (type != previousTab) {
        allowSendAll(false);  // the block's model is not the one this tab shows
        edits_.end();
    }
    const Command command(*this);
    if (!linkUsable()) {
        showInvalidPortMessage();
        if (!holdsSends()) {
            return;
        }
    }
    if (type != previousTab) {
        journaling_.modelsReset();
        for (int other = 0; other < EscTypeCount; ++other) {
            SendParameter(addressOf(modelSlotOf(other)), ModelResetValue);
        }
        if (flags_.language->refillsInitialPoint) {
            refillPointList(*controls_.ComboIniPoint);
        }
        refillModelLists(*flags_.language);
    }
    block_.value[TypeSlot] = static_cast<std::uint8_t>(type);
    SendParameter(addressOf(TypeSlot), block_.value[TypeSlot]);
    controls_.Text1->setText(tabs.tabCaption(type) + texts::CrLf);
    edits_.end();
}

}  // namespace rotaline
