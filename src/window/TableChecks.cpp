#include "model/FactoryDefaults.h"
#include "model/SlotTable.h"
#include "window/ChangeHandlers.h"
#include "window/ControlTable.h"
#include "window/LanguageTables.h"
#include "window/ParameterHints.h"

namespace rotaline {

namespace {

// Every handler's slot has a control, and its note names designed controls.
constexpr bool handlersFitTheTables() {
    for (const ChangeHandler& handler : ChangeHandlers) {
        if (designIndex(slotInfo(handler.slot).owner) < 0) {
            return false;
        }
        for (std::size_t i = 0; i < handler.prefix.size(); ++i) {  // (GCC 12: no range-for here)
            if (!handler.prefix[i].empty() && !isDesignedName(handler.prefix[i])) {
                return false;
            }
        }
    }
    return true;
}

// Every slot the slot table gives a control names a designed one.
constexpr bool ownersAreDesigned() {
    for (const SlotInfo& info : SlotTable) {
        if (info.kind != ValueKind::Unused && designIndex(info.owner) < 0) {
            return false;
        }
    }
    return true;
}

// A slot's value is what its control's kind can hold.
constexpr bool ownerKindsFit() {
    for (const SlotInfo& info : SlotTable) {
        const int row = designIndex(info.owner);
        const ControlKind kind = row < 0 ? ControlKind::Frame : ControlTable[row].kind;
        const bool fits =
            (info.kind == ValueKind::OptionIndex) == (kind == ControlKind::OptionGroup) &&
            (info.kind == ValueKind::ScrollValue) == (kind == ControlKind::ScrollBar) &&
            (info.kind != ValueKind::ListPosition || kind == ControlKind::ComboList);
        if (info.kind != ValueKind::Unused && !fits) {
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

// Each parameter with a factory value has one hint, over designed controls.
constexpr bool everyParameterHasAHint() {
    for (const FactoryDefault& step : FactoryDefaults) {
        int hints = 0;
        for (const ParameterHint& hint : ParameterHints) {
            hints += slotOwnedBy(hint.control) == step.slot && isDesignedName(hint.caption) ? 1 : 0;
        }
        if (hints != 1) {
            return false;
        }
    }
    return std::size(ParameterHints) == FactoryDefaults.size();
}

static_assert(parentsComeFirst());
static_assert(everyParameterHasAHint());
static_assert(handlersFitTheTables());
static_assert(captionsAreDesigned(LeadingCaptions) && captionsAreDesigned(GroupCaptions));
static_assert(ownerKindsFit());
static_assert(ownersAreDesigned());

}  // namespace

}  // namespace rotaline
