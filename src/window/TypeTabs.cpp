#include <array>
#include <string_view>

#include "model/WireFormat.h"
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

struct FlagSource {
    int slot;
    std::string_view group;
};

constexpr std::array<FlagSource, 10> FlagsFromGroups{{
    {9, "FrameBrake"},
    {22, "FramePointIniEnd"},
    {23, "FramePointIniEnd"},
    {30, "FramePointForRev"},
    {31, "FramePointForRev"},
    {25, "FrameRot"},
    {12, "FrameRev"},
    {26, "FrameAbs"},
    {10, "FrameHeMode"},
    {11, "FrameMotorPole"},
}};

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
            Control& control = get<Control>(fromView(name));
            if (row.visibility) {
                control.setVisible(row.byType[column]);
            } else {
                control.setEnabled(row.byType[column]);
            }
        }
    }
    const Bilingual& label = column == CarTab ? CarReverseLabel : ReverseLabel;
    get<Control>("LabelRev").setCaption(label.in(flags_.chinese));
}

void MainForm::recordSlotsFor(int type) {
    for (int slot = 5; slot <= 8; ++slot) {
        block_.inUse[slot] = false;
    }
    block_.inUse[5 + type] = true;
    for (const FlagSource& source : FlagsFromGroups) {
        block_.inUse[source.slot] = get<Control>(fromView(source.group)).isVisible();
    }
}

void MainForm::SSTab1_Click(int previousTab) {
    const TabStrip& tabs = get<TabStrip>("SSTab1");
    const int type = tabs.selected();
    arrangeGroupsFor(type);
    recordSlotsFor(type);
    if (flags_.suppress) {
        return;
    }
    if (!link_.isReady()) {
        showInvalidPortMessage();
        return;
    }
    if (type != previousTab) {
        for (int slot = 5; slot <= 8; ++slot) {
            SendParameter(addressOf(slot), ModelResetValue);
        }
        if (flags_.chinese) {
            refillPointList(QStringLiteral("ComboIniPoint"));
        }
        refillModelLists(flags_.chinese);
    }
    block_.value[4] = static_cast<std::uint8_t>(type);
    SendParameter(addressOf(4), block_.value[4]);
    get<TextBox>("Text1").setText(tabs.tabCaption(type) + texts::CrLf);
}

}  // namespace rotaline
