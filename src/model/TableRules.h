#pragma once

#include <iterator>

namespace rotaline {

// A table's rules are checked when the program is built, one rule a check:
//     constexpr int RowBreakingIt = firstRowBreaking(Rows, rule);
//     static_assert(RowBreakingIt == EveryRowHolds, "what the rule says");
// A row that breaks the rule stops the build with the rule's text, and the compiler's note
// gives the row: "the comparison reduces to '(5 == -1)'" is row 5, counted from 0.
inline constexpr int EveryRowHolds = -1;

template <class Rows, class Rule>
constexpr int firstRowBreaking(const Rows& rows, Rule rule) {
    const int count = static_cast<int>(std::size(rows));
    for (int row = 0; row < count; ++row) {
        if (!rule(rows[row], row)) {
            return row;
        }
    }
    return EveryRowHolds;
}

}  // namespace rotaline
