#pragma once

#include <string_view>
#include <vector>

namespace rotaline {

// Where a control's widget sits: left, top, width and height in pixels. Window-level controls
// and the tab pages' controls are placed in window coordinates, the controls inside a group
// relative to the group. `picture` names the drawing of an image.
struct Placement {
    std::string_view name;
    int left;
    int top;
    int width;
    int height;
    std::string_view picture = {};
};

std::vector<Placement> layoutTable();
const Placement* findPlacement(std::string_view name);

inline constexpr int ClientWidth = 604;
inline constexpr int ClientHeight = 644;

}  // namespace rotaline
