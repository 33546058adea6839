#pragma once

#include <array>

#include "window/Texts.h"

namespace rotaline {

// A caption the language switch sets, in both languages.
struct CaptionRow {
    const char* control;
    Bilingual text;
    bool accessKeys = false;  // "&X" marks X as the access key
};

// Menus, then the port group and buttons: set before the tabs.
inline constexpr std::array<CaptionRow, 18> LeadingCaptions{{
    {"mnuFile", {"File", "文件"}},
    {"mnuOpen", {"Open...", "打开..."}},
    {"mnuSave", {"Save...", "保存..."}},
    {"mnuAdapters", {"Serial adapters...", "串口适配器..."}},
    {"mnuSendAll", {"Send all settings again(&A)", "重新发送全部设置(&A)"}, true},
    {"mnuExit", {"Exit", "退出"}},
    {"mnuEdit", {"Edit(&E)", "编辑(&E)"}, true},
    {"mnuUndo", {"Undo(&U)", "撤销(&U)"}, true},
    {"mnuRedo", {"Redo(&R)", "重做(&R)"}, true},
    {"mnuLanguage", {"Langage", "语言"}},
    {"mnuChinese", {"中文", "中文"}},
    {"mnuEnglish", {"English", "English"}},
    {"mnuHelp", {"Help", "帮助"}},
    {"mnuHow", {"How to Use...", "怎样使用..."}},
    {"mnuAbout", {"About...", "关于..."}},
    {"FrameSelectCom", {"COM port Select", "COM口选取"}},
    {"CommandSetFactory", {"Factory Default", "恢复工厂默认值"}},
    {"CommandClear", {"Clear Note", "清除记录"}},
}};

// The model groups of the tab pages, then every parameter group row by row.
inline constexpr std::array<CaptionRow, 59> GroupCaptions{{
    {"FrameEscType(0)", {"ESC Type", "ESC 型号"}},
    {"FrameEscType(1)", {"ESC Type", "ESC 型号"}},
    {"FrameEscType(2)", {"ESC Type", "ESC 型号"}},
    {"FrameEscType(3)", {"ESC Type", "ESC 型号"}},
    {"FrameTiming", {"Timing Degree", "提前角度数"}},
    {"FrameTimingMon", {"Timing Montor", "时间监视"}},
    {"OptionTimMon(0)", {"ON", "开"}},
    {"OptionTimMon(1)", {"OFF", "关"}},
    {"FrameBattery", {"Battery", "电池"}},
    {"FrameAccType", {"Accumulator Type", "电池种类"}},
    {"OptionBatType(0)", {"NiCd/NiMH ", "镍镉/镍氢"}},
    {"OptionBatType(1)", {"Li-ion/Poly ", "锂离子/锂聚合物"}},
    {"LabelNumCell", {"Number of Cell", "电池节数"}},
    {"LabelCut", {"Cut Off Per Cell", "关断电压/每节"}},
    {"FrameCutType", {"Cut Off Type", "关断方式"}},
    {"OptionCutOffType(0)", {"Slow Down", "缓慢"}},
    {"OptionCutOffType(1)", {"Hard", "快速"}},
    {"FrameThCurve", {"Throttle Curve", "油门曲线"}},
    {"OptionThr(0)", {"Logarithmical", "对数型"}},
    {"OptionThr(1)", {"Linear", "线性"}},
    {"OptionThr(2)", {"Exponetial", "指数型"}},
    {"FrameAcceleration", {" Acceleration", "加速模式"}},
    {"OpAcceleration(0)", {"Soft", "柔和"}},
    {"OpAcceleration(1)", {"Midium", "中等"}},
    {"OpAcceleration(2)", {"Hard", "硬性"}},
    {"FrameFre", {"Freqency", "频率"}},
    {"OptionFreqency(0)", {"8KHz", "8KHz"}},
    {"OptionFreqency(1)", {"16KHz", "16KHz"}},
    {"OptionFreqency(2)", {"32KHz", "32KHz"}},
    {"FramePointForRev", {"Forward & Revervse Point", "向前/倒退点"}},
    {"LabelForPoint", {"Forward Point", "向前点"}},
    {"LabelRevPoint", {"Reverse Point", "倒退点"}},
    {"FramePointIniEnd", {"Initial & End Point", "启动/停止点"}},
    {"LabelIniPoint", {"Initial Point", "启动点"}},
    {"LabelEndPoint", {"End Point", "停止点"}},
    {"FrameRot", {"Rotation", "转动方向"}},
    {"OptionRotation(0)", {"Left", "左转"}},
    {"OptionRotation(1)", {"Right", "右转"}},
    {"FrameRev", {"Reverse", "倒退功能"}},
    {"OpReverse(0)", {"ON", "开"}},
    {"OpReverse(1)", {"OFF", "关"}},
    {"FramePower", {"Power Limit", "功率限制"}},
    {"LabelFor", {"Forward ", "向前"}},
    {"LabelRev", {"Reverse ", "倒退"}},
    {"Frame1Delay", {"Delay Time", "延迟时间"}},
    {"OptionAbs(0)", {"ON", "开"}},
    {"OptionAbs(1)", {"OFF", "关"}},
    {"FrameHeMode", {"Helicopter Mode", "直升机模式"}},
    {"OptionHeliMode(0)", {"Constant RPM", "定速"}},
    {"OptionHeliMode(1)", {"Normal", "普通"}},
    {"FrameBrake", {"Brake Type", "刹车类型"}},
    {"OptionBrake(0)", {"OFF", "关"}},
    {"OptionBrake(1)", {"Extra Soft", "极柔和"}},
    {"OptionBrake(2)", {"Soft", "柔和"}},
    {"OptionBrake(3)", {"Medium", "中等"}},
    {"OptionBrake(4)", {"Hard", "硬性"}},
    {"OptionBrake(5)", {"Extra Hard", "超硬性"}},
    {"FrameMotorPole", {"Motor Pole No.", "马达极数"}},
    {"FrameCurrent", {"Current Limit", "电流限制"}},
}};

namespace texts {
inline constexpr Bilingual SwitchQuestion{
    "Software will be changed into english version,all of the setting must be reset,",
    "软件将切换为中文版本，所有的设置都必须重新设定，"};
inline constexpr Bilingual SwitchQuestionEnd{"Do you want to countiune?", "要继续吗？"};
inline constexpr Bilingual SwitchNote{"Language:English", "语言:中文"};
}  // namespace texts

}  // namespace rotaline
