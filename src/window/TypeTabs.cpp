#include <array>
#include <string_view>

#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "model/WireFormat.h"
#include "window/ControlTable.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

struct GroupRow {
    std::array<std::string_view, 5> controls;
    bool visibility;             // else enabling
    std::array<bool, 4> byType;  // Airplane, Helicopter, Boat, Car
};

constexpr std::array<GroupRow, 11> GroupsByType{{
    {{"FrameBrake"}, true, {true, false, false, false}},
    {{"FramePointIniEnd"}, true, {true, true, false, false}},
    {{"FramePointForRev"}, true, {false, false, true, true}},
    {{"FrameRot"}, true, {true, true, false, false}},
    {{"FrameRev"}, true, {false, false, true, true}},
    {{"FrameAbs"}, true, {false, false, false, true}},
    {{"FrameHeMode"}, true, {false, true, false, false}},
    {{"FrameMotorPole"}, true, {false, false, false, false}},
    {{"FrameCutType", "OptionCutOffType(0)", "OptionCutOffType(1)"},
     false,
     {true, false, true, true}},
    {{"FramePower", "LabelFor", "ComboPowerLimitF", "LabelRev", "ComboPowerLimitR"},
     false,
     {false, false, true, true}},
    {{"Frame1Delay", "ComboDelay"}, false, {false, false, true, true}},
}};

// Slots in use exactly while the group that holds their control is shown.
constexpr std::array<int, 10> SlotsOfShownGroups{9, 22, 23, 30, 31, 25, 12, 26, 10, 11};

constexpr bool groupsAreDesigned() {
    for (const GroupRow& row : GroupsByType) {
        for (std::size_t i = 0; i < row.controls.size(); ++i) {  // (GCC 12: no range-for here)
            if (!row.controls[i].empty() && !isDesignedName(row.controls[i])) {
                return false;
            }
        }
    }
    return true;
}
static_assert(groupsAreDesigned());

// On the car the reverse power limit works as the brake.
constexpr Bilingual ReverseLabel{"Reverse ", "倒退"};
constexpr Bilingual CarReverseLabel{"Rev./Brake", "倒退/刹车"};

constexpr int CarTab = 3;

}  // namespace

void MainForm::arrangeGroupsFor(int type) {
    const int column = type < CarTab ? type : CarTab;
    for (const GroupRow& row : GroupsByType) {
        for (std::string_view name : row.controls) {
            if (name.empty()) {
                continue;
            }
            Control& control = *find(fromView(name));
            if (row.visibility) {
                control.setVisible(row.byType[column]);
            } else {
                control.setEnabled(row.byType[column]);
            }
        }
    }
    const Bilingual& label = column == CarTab ? CarReverseLabel : ReverseLabel;
    controls_.LabelRev->setCaption(label.in(flags_.chinese));
}

void MainForm::recordSlotsFor(int type) {
    for (int other = 0; other < EscTypeCount; ++other) {
        block_.inUse[modelSlotOf(other)] = other == type;
    }
    for (const int slot : SlotsOfShownGroups) {
        block_.inUse[slot] = find(ownerOf(slot).parentName())->isVisible();
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
        endHistory();
    }
    if (!link_.isReady()) {
        showInvalidPortMessage();
        return;
    }
    if (type != previousTab) {
        for (int other = 0; other < EscTypeCount; ++other) {
            SendParameter(addressOf(modelSlotOf(other)), ModelResetValue);
        }
        if (flags_.chinese) {
            refillPointList(*controls_.ComboIniPoint);
        }
        refillModelLists(flags_.chinese);
    }
    block_.value[TypeSlot] = static_cast<std::uint8_t>(type);
    SendParameter(addressOf(TypeSlot), block_.value[TypeSlot]);
    controls_.Text1->setText(tabs.tabCaption(type) + texts::CrLf);
    endHistory();
}

}  // namespace rotaline
