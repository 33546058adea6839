#pragma once

#include <string_view>
#include <vector>

#include "window/controls/Control.h"

namespace rotaline {

// One control of the main window as designed: what it is, where it sits and how it starts.
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;  // "" for the window itself
    std::string_view caption;
    bool visible = true;
    int page = -1;  // tab page that carries it, -1 for window-level controls
    // Option arrays, tab strips and toolbars: their items separated by "|";
    // a toolbar item is "key:picture".
    std::string_view items = {};
    int selected = -1;  // option array: initially selected button; tab strip: current tab
};

// Every control in creation order: parents before their children.
const std::vector<ControlDesign>& controlTable();

}  // namespace rotaline
