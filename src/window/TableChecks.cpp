#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "window/ControlTable.h"
#include "window/LanguageTables.h"

namespace rotaline {

namespace {

// Every parent is a control made before its children.
constexpr bool parentsComeFirst() {
    for (int row = 0; row < ControlCount; ++row) {
        const std::string_view parent = ControlTable[row].parent;
        if (!parent.empty() && !(designIndex(parent) >= 0 && designIndex(parent) < row)) {
            return false;
        }
    }
    return true;
}

// Every control has one row.
constexpr bool namesAreUnique() {
    for (int row = 0; row < ControlCount; ++row) {
        if (designIndex(ControlTable[row].name) != row) {
            return false;
        }
    }
    return true;
}

template <std::size_t N>
constexpr bool captionsAreDesigned(const std::array<CaptionRow, N>& rows) {
    for (const CaptionRow& row : rows) {
        if (!isDesignedName(row.control)) {
            return false;
        }
    }
    return true;
}

// A parameter's switched options are as many as its options, its factory value is one of
// its choices, its note names designed controls, it has a hint and a group frame that exists.
constexpr bool parameterFits(const Parameter& p) {
    const int count = itemCount(p.items);
    const bool sameCounts = p.switchedItems.empty() || itemCount(p.switchedItems) == count;
    const bool factoryFits = p.kind == ValueKind::ScrollValue ||
                             p.encoding == WireEncoding::CellCode ||
                             (p.factoryValue >= 0 && p.factoryValue < count);
    bool notesFit = true;
    for (std::size_t i = 0; i < p.noteCaptions.size(); ++i) {  // (GCC 12: no range-for here)
        notesFit = notesFit && (p.noteCaptions[i].empty() || isDesignedName(p.noteCaptions[i]));
    }
    bool groupExists = p.group.empty();
    for (const Caption& frame : GroupFrames) {
        groupExists = groupExists || frame.name == p.group;
    }
    return sameCounts && factoryFits && notesFit && groupExists && !p.hint.empty() &&
           designIndex(p.caption.name) >= 0;
}

// One row a slot.
constexpr bool parametersFit() {
    for (const Parameter& parameter : Parameters) {
        if (!parameterFits(parameter) || findParameter(parameter.slot) != &parameter) {
            return false;
        }
    }
    return true;
}

static_assert(parentsComeFirst());
static_assert(namesAreUnique());
static_assert(captionsAreDesigned(LeadingCaptions));
static_assert(parametersFit());

}  // namespace

}  // namespace rotaline
