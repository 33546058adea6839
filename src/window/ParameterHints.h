#pragma once

#include <string_view>

#include "window/Texts.h"

namespace rotaline {

// What a parameter does, for the hint over its controls. `control` writes the parameter;
// `caption` is the group or label that names it (a label over two lists shows both hints).
// The hint goes on to give the factory default and the unit, taken from the factory table and
// from the texts the control shows, so that they always agree with the window.
struct ParameterHint {
    std::string_view control;
    std::string_view caption;
    Bilingual text;
};

inline constexpr ParameterHint ParameterHints[] = {
    {"OptionBrake",
     "FrameBrake",
     {"How hard the motor brakes when the throttle is closed. OFF lets it turn freely.",
      "收油门时电机的刹车力度。选“关”时电机自由滑行。"}},
    {"OptionHeliMode",
     "FrameHeMode",
     {"Constant RPM holds the rotor speed steady whatever the load; Normal follows the "
      "throttle directly.",
      "定速模式在负载变化时保持旋翼转速不变；普通模式下转速直接跟随油门。"}},
    {"OpMotorPole",
     "FrameMotorPole",
     {"The number of magnet poles of the motor, so that the controller drives it in step.",
      "电机的磁极数，控制器据此与电机同步驱动。"}},
    {"OpReverse",
     "FrameRev",
     {"Whether the motor may also run in reverse.", "是否允许电机反转（倒车）。"}},
    {"ComboCurentLimit",
     "FrameCurrent",
     {"The most current the motor may draw; above it the controller takes power back.",
      "电机允许吸取的最大电流，超过时控制器会降低功率。"}},
    {"HScrollTiming",
     "FrameTiming",
     {"How far ahead the controller switches the motor's windings. More timing gives more "
      "speed and power, but also more current and heat.",
      "控制器为电机换相的提前角度。角度越大，转速和功率越高，电流和发热也越大。"}},
    {"OptionFreqency",
     "FrameFre",
     {"How often the controller switches the motor current (PWM). Higher runs smoother, "
      "lower keeps the controller cooler.",
      "控制器驱动电机的开关频率（PWM）。频率高运转更平顺，频率低控制器发热更少。"}},
    {"OpAcceleration",
     "FrameAcceleration",
     {"How quickly the motor follows a sudden opening of the throttle. Soft spares gears and "
      "belts.",
      "猛推油门时电机加速的快慢。柔和模式可减轻齿轮和皮带的冲击。"}},
    {"OptionBatType",
     "FrameAccType",
     {"The kind of battery that powers the model; it decides which cut-off voltages apply.",
      "为模型供电的电池种类，决定采用哪一组关断电压。"}},
    {"ComboPerCellNi",
     "LabelCut",
     {"NiCd/NiMH: when a cell drops to this voltage, the controller cuts the motor's power so "
      "that the battery is not run flat.",
      "镍镉/镍氢电池：每节电压降到此值时，控制器降低电机功率，以免电池过放。"}},
    {"ComboNoOfCell",
     "LabelNumCell",
     {"How many cells the battery has in series. Auto counts them when the battery is "
      "plugged in.",
      "电池串联的节数。选“Auto”时，插上电池后自动识别。"}},
    {"ComboPerCellLi",
     "LabelCut",
     {"Li-ion/Poly: when a cell drops to this voltage, the controller cuts the motor's power "
      "so that the battery is not run flat.",
      "锂离子/锂聚合物电池：每节电压降到此值时，控制器降低电机功率，以免电池过放。"}},
    {"OptionCutOffType",
     "FrameCutType",
     {"What happens at the cut-off voltage: the motor slows down gradually, or stops at once.",
      "电池到达关断电压后的处理方式：电机逐渐减速，或立即停转。"}},
    {"ComboIniPoint",
     "LabelIniPoint",
     {"The throttle signal at which the motor starts. Automatic learns it from the "
      "transmitter.",
      "电机开始转动时的油门信号。选“自动”时从遥控器学习。"}},
    {"ComboEndPoint",
     "LabelEndPoint",
     {"The throttle signal that gives full power. Automatic learns it from the transmitter.",
      "达到全油门时的油门信号。选“自动”时从遥控器学习。"}},
    {"OptionThr",
     "FrameThCurve",
     {"How the motor's power follows the throttle stick: logarithmical gives more power "
      "early, exponential more near the top, linear in step with the stick.",
      "电机功率随油门杆变化的方式：对数型前段出力快，指数型后段出力猛，线性则与油门杆成正比。"}},
    {"OptionRotation",
     "FrameRot",
     {"Which way the motor turns, without swapping its wires.",
      "电机的转动方向，无需对调电机线即可改变。"}},
    {"OptionAbs",
     "FrameAbs",
     {"Anti-lock braking: the brake is released in short pulses so that the wheels do not "
      "lock.",
      "防抱死刹车：刹车时间歇放松，避免车轮抱死。"}},
    {"ComboPowerLimitF",
     "LabelFor",
     {"Holds the power back when going forward. OFF gives full power.",
      "限制前进时的功率。选“OFF”为全功率。"}},
    {"ComboPowerLimitR",
     "LabelRev",
     {"Holds the power back when going in reverse. OFF gives full power.",
      "限制倒退时的功率。选“OFF”为全功率。"}},
    {"ComboDelay",
     "Frame1Delay",
     {"How long the controller waits before it goes from forward into reverse.",
      "由前进转为倒退之前，控制器等待的时间。"}},
    {"ComboForPoint",
     "LabelForPoint",
     {"The throttle signal that gives full forward power. Automatic learns it from the "
      "transmitter.",
      "前进达到全功率时的油门信号。选“自动”时从遥控器学习。"}},
    {"ComboRevPoint",
     "LabelRevPoint",
     {"The throttle signal that gives full reverse power. Automatic learns it from the "
      "transmitter.",
      "倒退达到全功率时的油门信号。选“自动”时从遥控器学习。"}},
    {"OptionTimMon",
     "FrameTimingMon",
     {"Whether the controller watches the motor's timing while it runs and corrects it.",
      "控制器是否在运转中监测电机的换相时机并自动修正。"}},
};

// The units the parameters' texts end in, by the symbol shown.
struct UnitName {
    std::string_view symbol;
    Bilingual name;
};

inline constexpr UnitName UnitNames[] = {
    {"°", {"degrees (°)", "度（°）"}},
    {"A", {"amperes (A)", "安培（A）"}},
    {"KHz", {"kilohertz (kHz)", "千赫（kHz）"}},
    {"V", {"volts per cell (V)", "伏特/节（V）"}},
    {"mS", {"milliseconds of throttle pulse (ms)", "毫秒，油门信号脉宽（ms）"}},
    {"%", {"percent of full power (%)", "满功率的百分比（%）"}},
    {"S", {"seconds (s)", "秒（s）"}},
};

namespace texts {
inline constexpr Bilingual FactoryDefaultHint{"Factory default: ", "出厂默认值："};
inline constexpr Bilingual UnitHint{"Unit: ", "单位："};
}  // namespace texts

}  // namespace rotaline
