#pragma once

#include <iterator>
#include <string_view>

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
    // Option arrays and toolbars: their items separated by "|"; a toolbar item is
    // "key:picture". The tab strip has a tab for each ESC type.
    std::string_view items = {};
    int selected = -1;  // option array: initially selected button; tab strip: current tab
};

// Every control in creation order: parents before their children.
inline constexpr ControlDesign ControlTable[] = {
    {"Toolbar1", ControlKind::Toolbar, "", "", true, -1, "打开:Open|保存:Save|帮助:Help", -1},
    {"mnuFile", ControlKind::Menu, "", "File(&F)", true, -1},
    {"mnuOpen", ControlKind::MenuItem, "mnuFile", "Open(&O)", true, -1},
    {"mnuSave", ControlKind::MenuItem, "mnuFile", "Save(&S)", true, -1},
    {"mnuAdapters", ControlKind::MenuItem, "mnuFile", "Serial adapters...(&R)", true, -1},
    {"mnuSendAll", ControlKind::MenuItem, "mnuFile", "Send all settings again(&A)", true, -1},
    {"mnu_", ControlKind::MenuItem, "mnuFile", "-", true, -1},
    {"mnuExit", ControlKind::MenuItem, "mnuFile", "Exit(&X)", true, -1},
    {"mnuFileMRU(0)", ControlKind::MenuItem, "mnuFile", "-", false, -1},
    {"mnuFileMRU(1)", ControlKind::MenuItem, "mnuFile", "1", false, -1},
    {"mnuFileMRU(2)", ControlKind::MenuItem, "mnuFile", "2", false, -1},
    {"mnuFileMRU(3)", ControlKind::MenuItem, "mnuFile", "3", false, -1},
    {"mnuFileMRU(4)", ControlKind::MenuItem, "mnuFile", "4", false, -1},
    {"mnuEdit", ControlKind::Menu, "", "Edit(&E)", true, -1},
    {"mnuUndo", ControlKind::MenuItem, "mnuEdit", "Undo(&U)", true, -1},
    {"mnuRedo", ControlKind::MenuItem, "mnuEdit", "Redo(&R)", true, -1},
    {"mnuLanguage", ControlKind::Menu, "", "Language(&L)", true, -1},
    {"mnuChinese", ControlKind::MenuItem, "mnuLanguage", "中文(&C)", true, -1},
    {"mnuEnglish", ControlKind::MenuItem, "mnuLanguage", "English(&E)", true, -1},
    {"mnuHelp", ControlKind::Menu, "", "Help(&H)", true, -1},
    {"mnuHow", ControlKind::MenuItem, "mnuHelp", "How to use(H)", true, -1},
    {"mnuAbout", ControlKind::MenuItem, "mnuHelp", "About(&A)", true, -1},
    {"Shape6", ControlKind::Shape, "", "", true, -1},
    {"FrameSelectCom", ControlKind::Frame, "", "Select COM port", true, -1},
    {"ComboCOM", ControlKind::ComboList, "FrameSelectCom", "", true, -1},
    {"ImageOff", ControlKind::Image, "FrameSelectCom", "", true, -1},
    {"ImageOn", ControlKind::Image, "FrameSelectCom", "", true, -1},
    {"CommandSetFactory", ControlKind::Button, "", " Factory Default", true, -1},
    {"Shape1", ControlKind::Shape, "", "", true, -1},
    {"Text1", ControlKind::TextBox, "", "The note record your setting change", true, -1},
    {"CommandClear", ControlKind::Button, "", "Clear Note", true, -1},
    {"Text2", ControlKind::TextBox, "", "", false, -1},
    {"Line1", ControlKind::Line, "", "", true, -1},
    {"SSTab1", ControlKind::TabStrip, "", "", true, -1, "", 1},
    {"Image1(2)", ControlKind::Image, "SSTab1", "", true, 0},
    {"Shape2", ControlKind::Shape, "SSTab1", "", true, 0},
    {"Line2(0)", ControlKind::Line, "SSTab1", "", true, 0},
    {"Line3(0)", ControlKind::Line, "SSTab1", "", true, 0},
    {"Line4(0)", ControlKind::Line, "SSTab1", "", true, 0},
    {"Line5(0)", ControlKind::Line, "SSTab1", "", true, 0},
    {"Line6(0)", ControlKind::Line, "SSTab1", "", true, 0},
    {"Line7(0)", ControlKind::Line, "SSTab1", "", true, 0},
    {"FrameEscType(0)", ControlKind::Frame, "SSTab1", "Controller type", true, 0},
    {"ComboCTRmodel(0)", ControlKind::ComboList, "FrameEscType(0)", "", true, 0},
    {"Image1(3)", ControlKind::Image, "SSTab1", "", true, 1},
    {"Shape3", ControlKind::Shape, "SSTab1", "", true, 1},
    {"Line2(1)", ControlKind::Line, "SSTab1", "", true, 1},
    {"Line3(1)", ControlKind::Line, "SSTab1", "", true, 1},
    {"Line4(1)", ControlKind::Line, "SSTab1", "", true, 1},
    {"Line5(1)", ControlKind::Line, "SSTab1", "", true, 1},
    {"Line6(1)", ControlKind::Line, "SSTab1", "", true, 1},
    {"Line7(1)", ControlKind::Line, "SSTab1", "", true, 1},
    {"FrameEscType(1)", ControlKind::Frame, "SSTab1", "Controller type", true, 1},
    {"ComboCTRmodel(1)", ControlKind::ComboList, "FrameEscType(1)", "", true, 1},
    {"Image1(0)", ControlKind::Image, "SSTab1", "", true, 2},
    {"Shape4", ControlKind::Shape, "SSTab1", "", true, 2},
    {"Line2(2)", ControlKind::Line, "SSTab1", "", true, 2},
    {"Line3(2)", ControlKind::Line, "SSTab1", "", true, 2},
    {"Line4(2)", ControlKind::Line, "SSTab1", "", true, 2},
    {"Line5(2)", ControlKind::Line, "SSTab1", "", true, 2},
    {"Line6(2)", ControlKind::Line, "SSTab1", "", true, 2},
    {"Line7(2)", ControlKind::Line, "SSTab1", "", true, 2},
    {"FrameEscType(2)", ControlKind::Frame, "SSTab1", "Controller type", true, 2},
    {"ComboCTRmodel(2)", ControlKind::ComboList, "FrameEscType(2)", "", true, 2},
    {"Image1(1)", ControlKind::Image, "SSTab1", "", true, 3},
    {"Shape5", ControlKind::Shape, "SSTab1", "", true, 3},
    {"Line2(3)", ControlKind::Line, "SSTab1", "", true, 3},
    {"Line3(3)", ControlKind::Line, "SSTab1", "", true, 3},
    {"Line4(3)", ControlKind::Line, "SSTab1", "", true, 3},
    {"Line5(3)", ControlKind::Line, "SSTab1", "", true, 3},
    {"Line6(3)", ControlKind::Line, "SSTab1", "", true, 3},
    {"Line7(3)", ControlKind::Line, "SSTab1", "", true, 3},
    {"FrameEscType(3)", ControlKind::Frame, "SSTab1", "Controller type", true, 3},
    {"ComboCTRmodel(3)", ControlKind::ComboList, "FrameEscType(3)", "", true, 3},
    {"FrameCurrent", ControlKind::Frame, "SSTab1", "Current Limit", true, 3},
    {"ComboCurentLimit", ControlKind::ComboList, "FrameCurrent", "", true, 3},
    {"FrameTiming", ControlKind::Frame, "", "Timing Degree", true, -1},
    {"Label2", ControlKind::Label, "FrameTiming", "0°", true, -1},
    {"Label4", ControlKind::Label, "FrameTiming", "30°", true, -1},
    {"LabelDegree", ControlKind::Label, "FrameTiming", "0°", true, -1},
    {"HScrollTiming", ControlKind::ScrollBar, "FrameTiming", "", true, -1},
    {"FrameTimingMon", ControlKind::Frame, "", "Timing Monitor", true, -1},
    {"OptionTimMon", ControlKind::OptionGroup, "FrameTimingMon", "", true, -1, "ON|OFF", 0},
    {"FrameBattery", ControlKind::Frame, "", "Battery", true, -1},
    {"FrameAccType", ControlKind::Frame, "FrameBattery", "Accumulator Type", true, -1},
    {"OptionBatType", ControlKind::OptionGroup, "FrameAccType", "", true, -1,
     "NiCd/NiMH |Li-ion/Poly ", 1},
    {"LabelNumCell", ControlKind::Label, "FrameBattery", "Number of Cell", true, -1},
    {"ComboNoOfCell", ControlKind::ComboList, "FrameBattery", "", true, -1},
    {"LabelCut", ControlKind::Label, "FrameBattery", "Cut off per cell", true, -1},
    {"ComboPerCellNi", ControlKind::ComboList, "FrameBattery", "", true, -1},
    {"FrameCutType", ControlKind::Frame, "FrameBattery", "Cut Off Type", true, -1},
    {"OptionCutOffType", ControlKind::OptionGroup, "FrameCutType", "", true, -1, "Slow Down|Hard",
     0},
    {"ComboPerCellLi", ControlKind::ComboList, "", "", true, -1},
    {"FrameThCurve", ControlKind::Frame, "", "Throttle Curve", true, -1},
    {"OptionThr", ControlKind::OptionGroup, "FrameThCurve", "", true, -1,
     "Logarithmical|linear|Exponetial", 0},
    {"FrameAcceleration", ControlKind::Frame, "", "Acceleration", true, -1},
    {"OpAcceleration", ControlKind::OptionGroup, "FrameAcceleration", "", true, -1,
     "Soft|Midium|Hard", 0},
    {"FrameFre", ControlKind::Frame, "", "Freqency", true, -1},
    {"OptionFreqency", ControlKind::OptionGroup, "FrameFre", "", true, -1, "8KHz|16KHz|32KHz", 0},
    {"FramePointIniEnd", ControlKind::Frame, "", "Initial && End Point", true, -1},
    {"LabelIniPoint", ControlKind::Label, "FramePointIniEnd", "Initial Point", true, -1},
    {"ComboIniPoint", ControlKind::ComboList, "FramePointIniEnd", "", true, -1},
    {"LabelEndPoint", ControlKind::Label, "FramePointIniEnd", "End Point", true, -1},
    {"ComboEndPoint", ControlKind::ComboList, "FramePointIniEnd", "", true, -1},
    {"FramePointForRev", ControlKind::Frame, "", "Forward && Reverse Point", true, -1},
    {"LabelForPoint", ControlKind::Label, "FramePointForRev", "Forward Point", true, -1},
    {"ComboForPoint", ControlKind::ComboList, "FramePointForRev", "", true, -1},
    {"LabelRevPoint", ControlKind::Label, "FramePointForRev", "Reverse Point", true, -1},
    {"ComboRevPoint", ControlKind::ComboList, "FramePointForRev", "", true, -1},
    {"FrameRot", ControlKind::Frame, "", "Rotation", true, -1},
    {"OptionRotation", ControlKind::OptionGroup, "FrameRot", "", true, -1, "Left|Right", 0},
    {"FrameRev", ControlKind::Frame, "", "Reverse", true, -1},
    {"OpReverse", ControlKind::OptionGroup, "FrameRev", "", true, -1, "ON|OFF", 0},
    {"FramePower", ControlKind::Frame, "", "Power Limit ", true, -1},
    {"LabelFor", ControlKind::Label, "FramePower", "Forward ", true, -1},
    {"ComboPowerLimitF", ControlKind::ComboList, "FramePower", "", true, -1},
    {"LabelRev", ControlKind::Label, "FramePower", "Reverse ", true, -1},
    {"ComboPowerLimitR", ControlKind::ComboList, "FramePower", "", true, -1},
    {"Frame1Delay", ControlKind::Frame, "", "Delay Time", true, -1},
    {"ComboDelay", ControlKind::ComboList, "Frame1Delay", "", true, -1},
    {"FrameBrake", ControlKind::Frame, "", "Brake type", true, -1},
    {"OptionBrake", ControlKind::OptionGroup, "FrameBrake", "", true, -1,
     "OFF|Extra Soft|Soft|Medium|Hard|Exrea Hard", 0},
    {"FrameAbs", ControlKind::Frame, "", "ABS", false, -1},
    {"OptionAbs", ControlKind::OptionGroup, "FrameAbs", "", true, -1, "ON|OFF", 0},
    {"FrameHeMode", ControlKind::Frame, "", "Helicopter Mode", false, -1},
    {"OptionHeliMode", ControlKind::OptionGroup, "FrameHeMode", "", true, -1, "Constant RPM|Normal",
     0},
    {"FrameMotorPole", ControlKind::Frame, "", "Motor Pole No.", false, -1},
    {"OpMotorPole", ControlKind::OptionGroup, "FrameMotorPole", "", true, -1, "2-4|6-10|12-14", 0},
};

inline constexpr int ControlCount = static_cast<int>(std::size(ControlTable));

// The row of the control of that name, or -1.
constexpr int designIndex(std::string_view name) {
    for (int i = 0; i < ControlCount; ++i) {
        if (ControlTable[i].name == name) {
            return i;
        }
    }
    return -1;
}

// Whether `name` is a designed control or a button of a designed option array ("Name(i)").
constexpr bool isDesignedName(std::string_view name) {
    if (designIndex(name) >= 0) {
        return true;
    }
    const std::size_t open = name.rfind('(');
    if (open == std::string_view::npos || name.size() != open + 3 || name.back() != ')') {
        return false;
    }
    const int index = designIndex(name.substr(0, open));
    if (index < 0 || ControlTable[index].kind != ControlKind::OptionGroup) {
        return false;
    }
    int buttons = 1;
    for (const char c : ControlTable[index].items) {
        buttons += c == '|' ? 1 : 0;
    }
    return name[open + 1] >= '0' && name[open + 1] < '0' + buttons;
}

}  // namespace rotaline
