#include "window/controls/Controls.h"

#include <type_traits>

#include "window/controls/ControlSet.h"
#include "window/controls/ControlTable.h"

namespace rotaline {

namespace {

template <class T>
constexpr bool kindFits(ControlKind kind) {
    using Plain = std::remove_const_t<T>;
    if constexpr (std::is_same_v<Plain, ComboList>) {
        return kind == ControlKind::ComboList;
    } else if constexpr (std::is_same_v<Plain, OptionGroup>) {
        return kind == ControlKind::OptionGroup;
    } else if constexpr (std::is_same_v<Plain, ScrollBar>) {
        return kind == ControlKind::ScrollBar;
    } else if constexpr (std::is_same_v<Plain, TabStrip>) {
        return kind == ControlKind::TabStrip;
    } else if constexpr (std::is_same_v<Plain, TextBox>) {
        return kind == ControlKind::TextBox;
    } else if constexpr (std::is_same_v<Plain, Toolbar>) {
        return kind == ControlKind::Toolbar;
    } else {
        return kind != ControlKind::ComboList && kind != ControlKind::OptionGroup &&
               kind != ControlKind::ScrollBar && kind != ControlKind::TabStrip &&
               kind != ControlKind::TextBox && kind != ControlKind::Toolbar;
    }
}

// Rows of "Name(0)" .. "Name(4)"; an array member takes the first `count`, and there must be
// exactly that many.
template <class T>
constexpr bool arrayFits(const std::array<int, 5>& rows, std::size_t count) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if ((i < count) != (rows[i] >= 0) ||
            (i < count && !kindFits<T>(ControlTable[rows[i]].kind))) {
            return false;
        }
    }
    return true;
}

template <int Row, class Set, class T>
void bindOne(Set& set, T*& member) {
    static_assert(Row >= 0, "the control table has no control of this name");
    static_assert(kindFits<T>(ControlTable[Row].kind), "the control table makes it another kind");
    member = &dynamic_cast<T&>(*set.at(Row));
}

template <int R0, int R1, int R2, int R3, int R4, class Set, class T, std::size_t N>
void bindArray(Set& set, std::array<T*, N>& members) {
    constexpr std::array<int, 5> Rows{R0, R1, R2, R3, R4};
    static_assert(arrayFits<T>(Rows, N), "the control table has another array of this name");
    for (std::size_t i = 0; i < N; ++i) {
        members[i] = &dynamic_cast<T&>(*set.at(Rows[i]));
    }
}

// The one place where a member meets its name in the table.
#define ROTALINE_BIND(Type, member) bindOne<designIndex(#member)>(set, controls.member);
#define ROTALINE_BIND_ARRAY(Type, member, count)                                                  \
    bindArray<designIndex(#member "(0)"), designIndex(#member "(1)"), designIndex(#member "(2)"), \
              designIndex(#member "(3)"), designIndex(#member "(4)")>(set, controls.member);

template <class Set, class C>
void bindAll(Set& set, C& controls) {
    ROTALINE_NAMED_CONTROLS(ROTALINE_BIND, ROTALINE_BIND_ARRAY)
}

#undef ROTALINE_BIND
#undef ROTALINE_BIND_ARRAY

}  // namespace

void bindControls(ControlSet& set, Controls& controls) {
    bindAll(set, controls);
}

void bindControls(const ControlSet& set, ConstControls& controls) {
    bindAll(set, controls);
}

}  // namespace rotaline
