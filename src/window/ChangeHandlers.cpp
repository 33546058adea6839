#include "window/ChangeHandlers.h"

namespace rotaline {

const std::vector<ChangeHandler>& changeHandlers() {
    using X = ExtraStep;
    static const std::vector<ChangeHandler> handlers{
        {"OptionBrake", {"FrameBrake"}, {}, 9, X::None},
        {"OptionHeliMode", {"FrameHeMode"}, {}, 10, X::MotorPole},
        {"OpMotorPole", {"FrameMotorPole"}, {}, 11, X::None},
        {"OpReverse", {"FrameRev"}, {}, 12, X::None},
        {"ComboCurentLimit", {"FrameCurrent"}, {}, 13, X::None},
        {"HScrollTiming", {"FrameTiming"}, {}, 14, X::TimingLabel},
        {"OptionFreqency", {"FrameFre"}, {}, 15, X::None},
        {"OpAcceleration", {"FrameAcceleration"}, {}, 16, X::None},
        {"OptionBatType", {"FrameAccType"}, {}, 17, X::BatteryType},
        {"ComboPerCellNi", {"OptionBatType(0)", "LabelCut"}, {}, 18, X::None},
        {"ComboNoOfCell", {"LabelNumCell"}, {}, 19, X::CellCode},
        {"ComboPerCellLi", {"OptionBatType(1)", "LabelCut"}, {}, 20, X::None},
        {"OptionCutOffType", {"FrameCutType"}, {}, 21, X::None},
        {"ComboIniPoint", {"LabelIniPoint"}, {}, 22, X::None},
        {"ComboEndPoint", {"LabelEndPoint"}, {}, 23, X::None},
        {"OptionThr", {"FrameThCurve"}, {}, 24, X::None},
        {"OptionRotation", {"FrameRot"}, {}, 25, X::None},
        {"OptionAbs", {}, "ABS  ", 26, X::None},
        {"ComboPowerLimitF", {"LabelFor", "FramePower"}, {}, 27, X::None},
        {"ComboPowerLimitR", {"LabelRev", "FramePower"}, {}, 28, X::None},
        {"ComboDelay", {"Frame1Delay"}, {}, 29, X::None},
        {"ComboForPoint", {"LabelForPoint"}, {}, 30, X::None},
        {"ComboRevPoint", {"LabelRevPoint"}, {}, 31, X::None},
        {"OptionTimMon", {"FrameTimingMon"}, {}, 33, X::None},
    };
    return handlers;
}

const ChangeHandler* findChangeHandler(std::string_view control) {
    for (const ChangeHandler& handler : changeHandlers()) {
        if (handler.control == control) {
            return &handler;
        }
    }
    return nullptr;
}

}  // namespace rotaline
