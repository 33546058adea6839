#pragma once

#include <string_view>

#include "window/Texts.h"

namespace rotaline {

// What a screen reader calls the controls that no caption names, and what it says of those
// that carry no parameter hint. `namedBy` is the control whose caption names it; without one,
// `name` does, and a control with neither keeps its own caption. A parameter's list or bar is
// named by the words of its change note.
struct ControlPurpose {
    std::string_view control;
    std::string_view namedBy;
    Bilingual name;
    Bilingual description;
};

namespace texts {
inline constexpr Bilingual ModelListPurpose{
    "The controller model. Choosing one restores and sends its factory defaults.",
    "控制器型号。选择后恢复并发送该型号的出厂默认值。"};
inline constexpr Bilingual LampPurpose{"Click it to choose the serial adapter for each COM number.",
                                       "单击可为各个 COM 号选择串口适配器。"};
}  // namespace texts

inline constexpr ControlPurpose ControlPurposes[] = {
    {"ComboCOM",
     "FrameSelectCom",
     {},
     {"The serial port of the programming adapter. Choosing one sends it the handshake.",
      "编程适配器所在的串口。选择后即向其发送握手信号。"}},
    {"ImageOn",
     {},
     {"Port ready", "端口就绪"},
     {"The adapter took the handshake. Click it to choose the serial adapter for each COM "
      "number.",
      "适配器已接收握手信号。单击可为各个 COM 号选择串口适配器。"}},
    {"ImageOff", {}, {"Port not usable", "端口不可用"}, texts::LampPurpose},
    {"CommandSetFactory",
     {},
     {},
     {"Restores every setting to the factory default of the chosen model and sends it.",
      "把所有设置恢复为所选型号的出厂默认值并发送。"}},
    {"Text1",
     {},
     {"Change notes", "设置记录"},
     {"One line for each setting sent to the controller; what the controller sends back shows "
      "here too.",
      "每发送一项设置记录一行；控制器发回的内容也显示在这里。"}},
    {"CommandClear", {}, {}, {"Empties the change notes.", "清空设置记录。"}},
    {"SSTab1",
     {},
     {"ESC type", "电调类型"},
     {"The kind of model the controller is for; each kind has its own settings.",
      "控制器所用的模型种类；每种都有各自的设置。"}},
    {"ComboCTRmodel(0)", "FrameEscType(0)", {}, texts::ModelListPurpose},
    {"ComboCTRmodel(1)", "FrameEscType(1)", {}, texts::ModelListPurpose},
    {"ComboCTRmodel(2)", "FrameEscType(2)", {}, texts::ModelListPurpose},
    {"ComboCTRmodel(3)", "FrameEscType(3)", {}, texts::ModelListPurpose},
    {"Toolbar1", {}, {"Toolbar", "工具栏"}, {"Open, save, about.", "打开、保存、关于。"}},
};

// The status bar under the window, and its bar of what has left.
namespace texts {
inline constexpr Bilingual StatusBarName{"Status", "状态"};
inline constexpr Bilingual LineProgressName{"Sent so far", "已发送"};
}  // namespace texts

// What a screen reader calls the toolbar's button of that key.
QString toolbarButtonName(const QString& key, bool chinese);

}  // namespace rotaline
