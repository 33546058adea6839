#pragma once

#include <array>

namespace rotaline {

// The control that writes `slot` (the slot table names it) is set to `value`: an option
// index, an entry position or a scroll value.
struct FactoryDefault {
    int step;
    int slot;
    int value;
    bool explicitRun;  // run the control's handler again after setting it
};

// Applied in this order.
inline constexpr std::array<FactoryDefault, 24> FactoryDefaults{{
    {1, 9, 0, true},   {2, 10, 1, true},  {3, 11, 0, true},  {4, 12, 0, true},   {5, 13, 0, true},
    {6, 14, 0, true},  {7, 15, 0, true},  {8, 16, 0, true},  {9, 17, 1, true},   {10, 18, 6, true},
    {11, 19, 0, true}, {12, 20, 7, true}, {13, 21, 0, true}, {14, 22, 0, true},  {15, 23, 0, true},
    {16, 24, 1, true}, {17, 25, 0, true}, {18, 26, 0, true}, {19, 27, 0, true},  {20, 28, 0, true},
    {21, 29, 0, true}, {22, 30, 0, true}, {23, 31, 0, true}, {24, 33, 0, false},
}};

}  // namespace rotaline
