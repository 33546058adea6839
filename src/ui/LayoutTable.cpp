#include "ui/LayoutTable.h"

#include <array>
#include <iterator>

#include "model/EscCatalogue.h"
#include "model/Items.h"
#include "model/TableRules.h"
#include "window/controls/ControlTable.h"

namespace rotaline {

namespace {

constexpr Placement Placements[] = {
    {"Toolbar1", 0, 0, 604, 28},
    {"Shape6", 8, 32, 169, 97},
    {"FrameSelectCom", 24, 40, 137, 73},
    {"ComboCOM", 10, 30, 82, 24},
    {"ImageOff", 102, 26, 25, 33, "lamp-off"},
    {"ImageOn", 102, 26, 25, 33, "lamp-on"},
    {"CommandSetFactory", 184, 48, 73, 57},
    {"Shape1", 264, 30, 337, 99},
    {"Text1", 272, 36, 233, 86},
    {"CommandClear", 512, 72, 81, 41},
    {"Text2", 608, 48, 33, 529},
    {"Line1", 8, 272, 328, 1},
    {"SSTab1", 8, 136, 593, 505},
    {"FrameCurrent", 448, 544, 121, 57},
    {"ComboCurentLimit", 10, 24, 100, 24},
    {"FrameTiming", 364, 192, 112, 73},
    {"Label2", 6, 54, 24, 16},
    {"Label4", 83, 54, 26, 16},
    {"LabelDegree", 21, 12, 70, 26},
    {"HScrollTiming", 8, 38, 96, 15},
    {"FrameTimingMon", 483, 192, 102, 73},
    {"OptionTimMon(0)", 12, 22, 80, 20},
    {"OptionTimMon(1)", 12, 44, 80, 20},
    {"FrameBattery", 32, 280, 393, 129},
    {"FrameAccType", 8, 20, 150, 72},
    {"OptionBatType(0)", 10, 22, 134, 20},
    {"OptionBatType(1)", 10, 44, 134, 20},
    {"LabelNumCell", 168, 18, 110, 16},
    {"ComboNoOfCell", 168, 36, 81, 22},
    {"LabelCut", 168, 66, 110, 16},
    {"ComboPerCellNi", 168, 86, 81, 22},
    {"FrameCutType", 280, 20, 107, 72},
    {"OptionCutOffType(0)", 10, 22, 93, 20},
    {"OptionCutOffType(1)", 10, 44, 93, 20},
    {"ComboPerCellLi", 200, 366, 81, 22},
    {"FrameThCurve", 432, 288, 145, 105},
    {"OptionThr(0)", 12, 22, 125, 20},
    {"OptionThr(1)", 12, 46, 125, 20},
    {"OptionThr(2)", 12, 70, 125, 20},
    {"FrameAcceleration", 32, 416, 97, 97},
    {"OpAcceleration(0)", 12, 22, 80, 20},
    {"OpAcceleration(1)", 12, 46, 80, 20},
    {"OpAcceleration(2)", 12, 70, 80, 20},
    {"FrameFre", 144, 416, 113, 97},
    {"OptionFreqency(0)", 12, 22, 90, 20},
    {"OptionFreqency(1)", 12, 46, 90, 20},
    {"OptionFreqency(2)", 12, 70, 90, 20},
    {"FramePointIniEnd", 272, 416, 218, 97},
    {"LabelIniPoint", 6, 24, 102, 16},
    {"ComboIniPoint", 6, 44, 102, 24},
    {"LabelEndPoint", 112, 24, 102, 16},
    {"ComboEndPoint", 112, 44, 102, 24},
    {"FramePointForRev", 272, 416, 218, 97},
    {"LabelForPoint", 6, 24, 102, 16},
    {"ComboForPoint", 6, 44, 102, 24},
    {"LabelRevPoint", 112, 24, 102, 16},
    {"ComboRevPoint", 112, 44, 102, 24},
    {"FrameRot", 496, 424, 89, 73},
    {"OptionRotation(0)", 12, 22, 70, 20},
    {"OptionRotation(1)", 12, 44, 70, 20},
    {"FrameRev", 496, 424, 89, 73},
    {"OpReverse(0)", 12, 22, 70, 20},
    {"OpReverse(1)", 12, 44, 70, 20},
    {"FramePower", 32, 528, 169, 97},
    {"LabelFor", 8, 24, 76, 16},
    {"ComboPowerLimitF", 8, 44, 74, 24},
    {"LabelRev", 88, 24, 76, 16},
    {"ComboPowerLimitR", 88, 44, 74, 24},
    {"Frame1Delay", 216, 544, 121, 73},
    {"ComboDelay", 10, 32, 100, 24},
    {"FrameBrake", 352, 528, 225, 89},
    {"OptionBrake(0)", 10, 20, 100, 20},
    {"OptionBrake(1)", 10, 42, 100, 20},
    {"OptionBrake(2)", 10, 64, 100, 20},
    {"OptionBrake(3)", 116, 20, 104, 20},
    {"OptionBrake(4)", 116, 42, 104, 20},
    {"OptionBrake(5)", 116, 64, 104, 20},
    {"FrameAbs", 360, 544, 73, 73},
    {"OptionAbs(0)", 10, 22, 56, 20},
    {"OptionAbs(1)", 10, 44, 56, 20},
    {"FrameHeMode", 352, 544, 121, 73},
    {"OptionHeliMode(0)", 8, 22, 110, 20},
    {"OptionHeliMode(1)", 8, 44, 110, 20},
    {"FrameMotorPole", 480, 544, 97, 73},
    {"OpMotorPole(0)", 10, 18, 80, 18},
    {"OpMotorPole(1)", 10, 36, 80, 18},
    {"OpMotorPole(2)", 10, 54, 80, 18},
};

// Every tab page's own controls sit in the same places, in the order of PageControls; the
// picture is the page's type.
constexpr Placement PagePlacement[] = {
    {"Image1", 24, 188, 124, 62},        {"Shape", 156, 176, 196, 89},
    {"Line2", 356, 184, 237, 1},         {"Line3", 592, 184, 1, 449},
    {"Line4", 16, 632, 577, 1},          {"Line5", 16, 272, 1, 361},
    {"Line6", 16, 272, 341, 1},          {"Line7", 356, 184, 1, 89},
    {"FrameEscType", 164, 184, 180, 73}, {"ComboCTRmodel", 10, 32, 160, 24},
};
constexpr std::array<std::string_view, EscTypeCount> PagePictures{"airplane", "helicopter", "boat",
                                                                  "car"};
static_assert(std::size(PagePlacement) == PageControls.size(),
              "every control of a tab page has a place, in the order the pages make them");

constexpr auto PagePlacements = [] {
    std::array<Placement, EscTypeCount * PageControls.size()> placements{};
    std::size_t next = 0;
    for (int page = 0; page < EscTypeCount; ++page) {
        for (std::size_t row = 0; row < PageControls.size(); ++row) {
            Placement placement = PagePlacement[row];
            placement.name = PageControlNames[page][row].view();
            placement.picture = row == 0 ? PagePictures[page] : std::string_view();
            placements[next++] = placement;
        }
    }
    return placements;
}();

constexpr int PlaceUndesigned = firstRowBreaking(
    Placements, [](const Placement& placement, int) { return isDesignedName(placement.name); });
static_assert(PlaceUndesigned == EveryRowHolds,
              "every place is a designed control's, or a button's of one of its option arrays");

constexpr const Placement* placementOf(std::string_view name) {
    for (const Placement& placement : Placements) {
        if (placement.name == name) {
            return &placement;
        }
    }
    for (const Placement& placement : PagePlacements) {
        if (placement.name == name) {
            return &placement;
        }
    }
    return nullptr;
}

// Menus live in the menu bar; an option array's buttons stand in its place.
constexpr bool hasWidget(ControlKind kind) {
    return kind != ControlKind::Menu && kind != ControlKind::MenuItem &&
           kind != ControlKind::OptionGroup;
}

constexpr int ControlUnplaced =
    firstRowBreaking(ControlTable, [](const ControlDesign& design, int) {
        return !hasWidget(design.kind) || placementOf(design.name) != nullptr;
    });
static_assert(ControlUnplaced == EveryRowHolds,
              "every designed control that has a widget has a place");

constexpr int ButtonUnplaced = firstRowBreaking(ControlTable, [](const ControlDesign& design, int) {
    const int buttons = design.kind == ControlKind::OptionGroup ? itemCount(design.items) : 0;
    for (int i = 0; i < buttons; ++i) {
        const MadeName button = makeName(design.name, i, true);
        if (placementOf(button.view()) == nullptr) {
            return false;
        }
    }
    return true;
});
static_assert(ButtonUnplaced == EveryRowHolds,
              "every button of a designed option array has a place");

constexpr int PictureMissing = firstRowBreaking(ControlTable, [](const ControlDesign& design, int) {
    return design.kind != ControlKind::Image || !placementOf(design.name)->picture.empty();
});
static_assert(PictureMissing == EveryRowHolds, "every image's place names its picture");

}  // namespace

std::vector<Placement> layoutTable() {
    std::vector<Placement> table(std::begin(Placements), std::end(Placements));
    table.insert(table.end(), PagePlacements.begin(), PagePlacements.end());
    return table;
}

const Placement* findPlacement(std::string_view name) {
    static const std::vector<Placement> table = layoutTable();
    for (const Placement& placement : table) {
        if (placement.name == name) {
            return &placement;
        }
    }
    return nullptr;
}

}  // namespace rotaline
