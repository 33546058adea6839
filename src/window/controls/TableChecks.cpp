#include <iterator>

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "model/TableRules.h"
#include "window/controls/ControlTable.h"
#include "window/texts/LanguageTables.h"

namespace rotaline {

namespace {

// The control table.

constexpr int ParentMadeLater =
    firstRowBreaking(ControlTable, [](const ControlDesign& design, int row) {
        const int parent = designIndex(design.parent);
        return design.parent.empty() || (parent >= 0 && parent < row);
    });
static_assert(ParentMadeLater == EveryRowHolds,
              "every control's parent is a control made before it");

constexpr int NameTwice = firstRowBreaking(ControlTable, [](const ControlDesign& design, int row) {
    return designIndex(design.name) == row;
});
static_assert(NameTwice == EveryRowHolds, "every control has one row of its own");

constexpr int UndesignedSwitchedCaption = firstRowBreaking(
    LeadingCaptions,
    [](const CaptionRow& caption, int) { return isDesignedName(caption.control); });
static_assert(UndesignedSwitchedCaption == EveryRowHolds,
              "every caption the language switch sets is a designed control's");

// The parameter table.

constexpr int SlotTwice = firstRowBreaking(
    Parameters, [](const Parameter& p, int) { return findParameter(p.slot) == &p; });
static_assert(SlotTwice == EveryRowHolds, "every parameter has a slot of its own");

constexpr int ChoicesMiscounted = firstRowBreaking(Parameters, [](const Parameter& p, int) {
    const int count = itemCount(p.items);
    return p.switchedItems.empty() || itemCount(p.switchedItems) == count;
});
static_assert(ChoicesMiscounted == EveryRowHolds,
              "a parameter has as many choices switched as designed");

// A value a parameter's control can take: a position of its bar, one of its choices; the
// cell list's entries change with the battery, so any value will do there.
constexpr bool canTake(const Parameter& p, int value) {
    if (p.kind == ValueKind::ScrollValue) {
        return p.range.holds(value);
    }
    return p.encoding == WireEncoding::CellCode || (value >= 0 && value < itemCount(p.items));
}

constexpr int FactoryValueOutOfReach = firstRowBreaking(
    Parameters, [](const Parameter& p, int) { return canTake(p, p.factoryValue); });
static_assert(FactoryValueOutOfReach == EveryRowHolds,
              "a parameter's factory value is one its control can take");

constexpr int StartUpValueOutOfReach = firstRowBreaking(
    Parameters, [](const Parameter& p, int) { return canTake(p, p.startUpValue); });
static_assert(StartUpValueOutOfReach == EveryRowHolds,
              "a parameter's start-up value is one its control can take");

constexpr int RangeMisplaced = firstRowBreaking(Parameters, [](const Parameter& p, int) {
    return (p.kind == ValueKind::ScrollValue) == !p.range.empty() &&
           p.range.smallStep <= p.range.largeStep;
});
static_assert(RangeMisplaced == EveryRowHolds,
              "a bar, and only a bar, has a range, its small step no larger than its large one");

// (GCC 12 takes no range-for and no copy of a row's text here.)
constexpr bool notesNameDesignedControls(const Parameter& p, int) {
    bool designed = true;
    for (std::size_t i = 0; i < p.noteCaptions.size(); ++i) {
        designed = designed && (p.noteCaptions[i].empty() || isDesignedName(p.noteCaptions[i]));
    }
    return designed;
}
constexpr int NoteNamesUndesigned = firstRowBreaking(Parameters, notesNameDesignedControls);
static_assert(NoteNamesUndesigned == EveryRowHolds,
              "a parameter's change note names designed controls");

constexpr int HintMissing =
    firstRowBreaking(Parameters, [](const Parameter& p, int) { return !p.hint.empty(); });
static_assert(HintMissing == EveryRowHolds, "every parameter has a hint in each language");

constexpr int EmptyGroupFrame = firstRowBreaking(GroupFrames, [](const Caption& frame, int) {
    for (const Parameter& p : Parameters) {
        if (p.group() == frame.name) {
            return true;
        }
    }
    return false;
});
static_assert(EmptyGroupFrame == EveryRowHolds, "every group frame holds a parameter");

// The slot table.

constexpr int TypeMisnamed = firstRowBreaking(EscTypes, [](const EscType& type, int) {
    return itemAt(slotInfo(TypeSlot).choices, type.tab) == type.name;
});
static_assert(TypeMisnamed == EveryRowHolds,
              "the type slot's values name the ESC types in the order of their tabs");

constexpr int SlotWriterUndesigned = firstRowBreaking(SlotTable, [](const SlotInfo& info, int) {
    return info.kind == ValueKind::Unused || isDesignedName(info.owner);
});
static_assert(SlotWriterUndesigned == EveryRowHolds,
              "every slot in use is written by a designed control");

static_assert(slotInfo(PortSlot).kind == ValueKind::PortPosition &&
                  slotInfo(TypeSlot).kind == ValueKind::EscType &&
                  FirstParameterSlot > modelSlotOf(EscTypeCount - 1),
              "the port, the type and the models come first in the block, the parameters follow");

static_assert(slotInfo(MotorPoleSlot).owner == "OpMotorPole",
              "the motor-pole slot is the parameter of the motor-pole frame");

}  // namespace

}  // namespace rotaline
