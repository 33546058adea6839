#pragma once

#include <array>
#include <string_view>

#include "model/Items.h"

namespace rotaline {

// How a slot's stored value travels to the controller.
enum class WireEncoding {
    NotSent,       // stored (and saved) only
    ValuePlusOne,  // [address, value + 1]
    ModelCode,     // [address, code of the chosen model + 1]
    CellCode,      // [address, cell code of the chosen entry text + 1]
};

// What the stored value is.
enum class ValueKind {
    Unused,         // no control writes it
    PortPosition,   // position in the port list
    EscType,        // selected tab
    ModelPosition,  // position in the type's model list
    OptionIndex,    // index of the chosen option button
    ListPosition,   // position of the chosen list entry
    ScrollValue,    // scroll bar position (degrees)
};

// Work a change handler does beyond note, store and send.
enum class ExtraStep {
    None,
    TimingLabel,  // before the note: the degree label shows the new value
    BatteryType,  // before the note: swap the cut-off lists, enable the cell count
    MotorPole,    // after sending: the motor-pole group follows the helicopter mode
};

// What a tab does to a parameter's group (its outer frame; for an enabling, its frame, caption
// and control).
enum class TabRule { None, Shows, Enables };
// What choosing a model does to it: shows its group where the model has a current limit, or
// enables its caption and options where the model lets the frequency be set.
enum class ModelRule { None, Shows, Enables };

// ESC types as tab bits.
namespace tabs {
inline constexpr unsigned Airplane = 1U << 0;
inline constexpr unsigned Helicopter = 1U << 1;
inline constexpr unsigned Boat = 1U << 2;
inline constexpr unsigned Car = 1U << 3;
}  // namespace tabs

struct Words {
    std::string_view english;
    std::string_view chinese;

    constexpr std::string_view in(bool chinese) const { return chinese ? this->chinese : english; }
    constexpr bool empty() const { return english.empty() && chinese.empty(); }
};

// A frame or label of the window: as designed ("&&" shows one "&"), and as the language switch
// sets it (nothing: it keeps the designed caption).
struct Caption {
    std::string_view name;
    bool label = false;  // else a frame
    std::string_view designed;
    Words words;
};

// Frames that hold the controls of several parameters, named by their row here.
enum class Group { None = -1, Battery, PointIniEnd, PointForRev, Power };
inline constexpr Caption GroupFrames[] = {
    {"FrameBattery", false, "Battery", {"Battery", "电池"}},
    {"FramePointIniEnd", false, "Initial && End Point", {"Initial & End Point", "启动/停止点"}},
    {"FramePointForRev",
     false,
     "Forward && Reverse Point",
     {"Forward & Revervse Point", "向前/倒退点"}},
    {"FramePower", false, "Power Limit ", {"Power Limit", "功率限制"}},
};

// A scroll bar's values, the steps of its arrows and its track, and the unit its values read in.
struct Range {
    int minimum = 0;
    int maximum = 0;
    int smallStep = 0;
    int largeStep = 0;
    std::string_view unit;

    constexpr bool empty() const { return maximum <= minimum; }
    constexpr bool holds(int value) const { return value >= minimum && value <= maximum; }
};

// The slot whose frame follows the helicopter mode.
inline constexpr int MotorPoleSlot = 11;

// A label that stands beside a parameter's control, in its frame.
struct Beside {
    std::string_view name;
    std::string_view caption;
};

// One parameter of the controller, everything about it but where its controls sit.
struct Parameter {
    int slot = -1;
    std::string_view role;     // what the value means, for the decoded wire
    std::string_view control;  // the option group, list or bar that writes it
    ValueKind kind = ValueKind::Unused;
    WireEncoding encoding = WireEncoding::ValuePlusOne;
    Group frame = Group::None;  // the frame of GroupFrames that holds it
    // The frame or label that names it; a label named by an earlier row is made there.
    Caption caption;
    std::array<Beside, 3> beside{};
    // Options or fixed entries, "a|b|c": as designed (what the values mean), and as the
    // language switch sets the options (or refills the lists) in each language.
    std::string_view items;
    Words switchedItems;
    int firstOption = 0;  // option selected as designed
    Range range;          // a bar's
    int factoryValue = 0;
    int startUpValue = 0;  // in the block before anything is chosen
    bool defaultsRunHandler = true;
    // The change note: the captions of these controls joined ("" before: the caption's), or
    // a fixed text.
    std::array<std::string_view, 2> noteCaptions{};
    std::string_view fixedNote;
    ExtraStep extra = ExtraStep::None;
    Words hint;
    TabRule tabRule = TabRule::None;
    unsigned tabs = 0;
    ModelRule modelRule = ModelRule::None;
    int page = -1;  // tab page that carries it, -1 for the window
    bool hiddenAtFirst = false;

    // (Ahead of its callers: clang 14 evaluates them only when it has seen it.)
private:
    template <class T, class V>
    constexpr Parameter with(T Parameter::*field, V value) const {
        Parameter changed = *this;
        changed.*field = value;
        return changed;
    }

public:
    constexpr Parameter in(Group group) const { return with(&Parameter::frame, group); }
    constexpr Parameter framed(std::string_view name, std::string_view designed,
                               Words words = {}) const {
        return with(&Parameter::caption, Caption{name, false, designed, words});
    }
    constexpr Parameter labelled(std::string_view name, std::string_view designed = {},
                                 Words words = {}) const {
        return with(&Parameter::caption, Caption{name, true, designed, words});
    }
    constexpr Parameter besideLabels(std::array<Beside, 3> labels) const {
        return with(&Parameter::beside, labels);
    }
    constexpr Parameter choices(std::string_view designed, Words switched = {}) const {
        return with(&Parameter::items, designed).with(&Parameter::switchedItems, switched);
    }
    constexpr Parameter firstSelected(int option) const {
        return with(&Parameter::firstOption, option);
    }
    constexpr Parameter ranging(Range values) const { return with(&Parameter::range, values); }
    constexpr Parameter startingAt(int value) const {
        return with(&Parameter::startUpValue, value);
    }
    constexpr Parameter factory(int value) const { return with(&Parameter::factoryValue, value); }
    constexpr Parameter factoryWithoutHandler(int value) const {
        return factory(value).with(&Parameter::defaultsRunHandler, false);
    }
    constexpr Parameter notedAs(std::string_view first, std::string_view second) const {
        return with(&Parameter::noteCaptions, std::array<std::string_view, 2>{first, second});
    }
    constexpr Parameter notedAs(std::string_view fixed) const {
        return with(&Parameter::fixedNote, fixed);
    }
    constexpr Parameter doing(ExtraStep step) const { return with(&Parameter::extra, step); }
    constexpr Parameter hinted(std::string_view english, std::string_view chinese) const {
        return with(&Parameter::hint, Words{english, chinese});
    }
    constexpr Parameter shownOn(unsigned types) const {
        return with(&Parameter::tabRule, TabRule::Shows).with(&Parameter::tabs, types);
    }
    constexpr Parameter enabledOn(unsigned types) const {
        return with(&Parameter::tabRule, TabRule::Enables).with(&Parameter::tabs, types);
    }
    constexpr Parameter perModel(ModelRule rule) const { return with(&Parameter::modelRule, rule); }
    constexpr Parameter onPage(int tab) const { return with(&Parameter::page, tab); }
    constexpr Parameter hidden() const { return with(&Parameter::hiddenAtFirst, true); }

    // The name of its group's frame, "" for none.
    constexpr std::string_view group() const {
        return frame == Group::None ? std::string_view()
                                    : GroupFrames[static_cast<int>(frame)].name;
    }
    // The frame the tabs show or hide: the group's, else the caption's.
    constexpr std::string_view outerFrame() const {
        return frame == Group::None ? caption.name : group();
    }
    // The control's parent: its caption frame, else its group.
    constexpr std::string_view parent() const { return caption.label ? group() : caption.name; }
};

constexpr Parameter options(int slot, std::string_view control, std::string_view role) {
    Parameter parameter;
    parameter.slot = slot;
    parameter.control = control;
    parameter.role = role;
    parameter.kind = ValueKind::OptionIndex;
    return parameter;
}

constexpr Parameter list(int slot, std::string_view control, std::string_view role) {
    Parameter parameter = options(slot, control, role);
    parameter.kind = ValueKind::ListPosition;
    return parameter;
}

constexpr Parameter bar(int slot, std::string_view control, std::string_view role) {
    Parameter parameter = options(slot, control, role);
    parameter.kind = ValueKind::ScrollValue;
    return parameter;
}

constexpr Parameter cellList(int slot, std::string_view control, std::string_view role) {
    Parameter parameter = list(slot, control, role);
    parameter.encoding = WireEncoding::CellCode;
    return parameter;
}

// In the order the window makes their controls; a group's frame comes before its first row.
inline constexpr Parameter Parameters[] = {
    list(13, "ComboCurentLimit", "current limit")
        .framed("FrameCurrent", "Current Limit", {"Current Limit", "电流限制"})
        .choices("20A|30A|40A|50A|60A|70A|80A|90A|100A|No Limit")
        .perModel(ModelRule::Shows)
        .onPage(3)
        .hinted("The most current the motor may draw; above it the controller takes power back.",
                "电机允许吸取的最大电流，超过时控制器会降低功率。"),
    bar(14, "HScrollTiming", "timing advance")
        .framed("FrameTiming", "Timing Degree", {"Timing Degree", "提前角度数"})
        .besideLabels({{{"Label2", "0°"}, {"Label4", "30°"}, {"LabelDegree", "0°"}}})
        .ranging({0, 30, 1, 5, "°"})
        .doing(ExtraStep::TimingLabel)
        .hinted("How far ahead the controller switches the motor's windings. More timing gives "
                "more speed and power, but also more current and heat.",
                "控制器为电机换相的提前角度。角度越大，转速和功率越高，电流和发热也越大。"),
    options(33, "OptionTimMon", "timing monitor")
        .framed("FrameTimingMon", "Timing Monitor", {"Timing Montor", "时间监视"})
        .choices("ON|OFF", {"ON|OFF", "开|关"})
        .factoryWithoutHandler(0)
        .hinted("Whether the controller watches the motor's timing while it runs and corrects it.",
                "控制器是否在运转中监测电机的换相时机并自动修正。"),
    options(17, "OptionBatType", "battery type")
        .in(Group::Battery)
        .framed("FrameAccType", "Accumulator Type", {"Accumulator Type", "电池种类"})
        .choices("NiCd/NiMH |Li-ion/Poly ",
                 {"NiCd/NiMH |Li-ion/Poly ", "镍镉/镍氢|锂离子/锂聚合物"})
        .firstSelected(1)
        .factory(1)
        .doing(ExtraStep::BatteryType)
        .hinted("The kind of battery that powers the model; it decides which cut-off voltages "
                "apply.",
                "为模型供电的电池种类，决定采用哪一组关断电压。"),
    cellList(19, "ComboNoOfCell", "number of cells")
        .in(Group::Battery)
        .labelled("LabelNumCell", "Number of Cell", {"Number of Cell", "电池节数"})
        .hinted("How many cells the battery has in series. Auto counts them when the battery is "
                "plugged in.",
                "电池串联的节数。选“Auto”时，插上电池后自动识别。"),
    list(18, "ComboPerCellNi", "cut-off per NiCd/NiMH cell")
        .in(Group::Battery)
        .labelled("LabelCut", "Cut off per cell", {"Cut Off Per Cell", "关断电压/每节"})
        .choices("\u00d70.05|0.4V|0.5V|0.6V|0.7V|0.8V|0.9V|1.0V")
        .factory(6)
        .notedAs("OptionBatType(0)", "LabelCut")
        .hinted("NiCd/NiMH: when a cell drops to this voltage, the controller cuts the motor's "
                "power so that the battery is not run flat.",
                "镍镉/镍氢电池：每节电压降到此值时，控制器降低电机功率，以免电池过放。"),
    options(21, "OptionCutOffType", "cut-off type")
        .in(Group::Battery)
        .framed("FrameCutType", "Cut Off Type", {"Cut Off Type", "关断方式"})
        .choices("Slow Down|Hard", {"Slow Down|Hard", "缓慢|快速"})
        .enabledOn(tabs::Airplane | tabs::Boat | tabs::Car)
        .hinted("What happens at the cut-off voltage: the motor slows down gradually, or stops at "
                "once.",
                "电池到达关断电压后的处理方式：电机逐渐减速，或立即停转。"),
    list(20, "ComboPerCellLi", "cut-off per lithium cell")
        .labelled("LabelCut")
        .choices("2.0V|2.1V|2.2V|2.3V|2.4V|2.5V|2.6V|2.7V|2.8V|2.9V|3.0V|3.1V|3.2V")
        .factory(7)
        .notedAs("OptionBatType(1)", "LabelCut")
        .hinted("Li-ion/Poly: when a cell drops to this voltage, the controller cuts the motor's "
                "power so that the battery is not run flat.",
                "锂离子/锂聚合物电池：每节电压降到此值时，控制器降低电机功率，以免电池过放。"),
    options(24, "OptionThr", "throttle curve")
        .framed("FrameThCurve", "Throttle Curve", {"Throttle Curve", "油门曲线"})
        .choices("Logarithmical|linear|Exponetial",
                 {"Logarithmical|Linear|Exponetial", "对数型|线性|指数型"})
        .startingAt(1)
        .factory(1)
        .hinted("How the motor's power follows the throttle stick: logarithmical gives more power "
                "early, exponential more near the top, linear in step with the stick.",
                "电机功率随油门杆变化的方式：对数型前段出力快，指数型后段出力猛，线性则与油门杆成"
                "正比。"),
    options(16, "OpAcceleration", "acceleration")
        .framed("FrameAcceleration", "Acceleration", {" Acceleration", "加速模式"})
        .choices("Soft|Midium|Hard", {"Soft|Midium|Hard", "柔和|中等|硬性"})
        .hinted("How quickly the motor follows a sudden opening of the throttle. Soft spares "
                "gears and belts.",
                "猛推油门时电机加速的快慢。柔和模式可减轻齿轮和皮带的冲击。"),
    options(15, "OptionFreqency", "frequency")
        .framed("FrameFre", "Freqency", {"Freqency", "频率"})
        .choices("8KHz|16KHz|32KHz", {"8KHz|16KHz|32KHz", "8KHz|16KHz|32KHz"})
        .perModel(ModelRule::Enables)
        .hinted("How often the controller switches the motor current (PWM). Higher runs "
                "smoother, lower keeps the controller cooler.",
                "控制器驱动电机的开关频率（PWM）。频率高运转更平顺，频率低控制器发热更少。"),
    list(22, "ComboIniPoint", "initial point")
        .in(Group::PointIniEnd)
        .labelled("LabelIniPoint", "Initial Point", {"Initial Point", "启动点"})
        .choices(
            "Automatic|Fixed 1.0mS|Fixed 1.1mS|Fixed 1.2mS|Fixed 1.3mS|Fixed 1.4mS|Fixed 1.5mS",
            {{}, "自动|固定1.0mS|固定1.1mS|固定1.2mS|固定1.3mS|固定1.4mS|固定1.5mS"})
        .shownOn(tabs::Airplane | tabs::Helicopter)
        .hinted("The throttle signal at which the motor starts. Automatic learns it from the "
                "transmitter.",
                "电机开始转动时的油门信号。选“自动”时从遥控器学习。"),
    list(23, "ComboEndPoint", "end point")
        .in(Group::PointIniEnd)
        .labelled("LabelEndPoint", "End Point", {"End Point", "停止点"})
        .choices("Automatic|Fixed 1.7mS|Fixed 1.8mS|Fixed 1.9mS|Fixed 2.0mS",
                 {{}, "自动|固定1.7mS|固定1.8mS|固定1.9mS|固定2.0mS"})
        .shownOn(tabs::Airplane | tabs::Helicopter)
        .hinted("The throttle signal that gives full power. Automatic learns it from the "
                "transmitter.",
                "达到全油门时的油门信号。选“自动”时从遥控器学习。"),
    list(30, "ComboForPoint", "forward point")
        .in(Group::PointForRev)
        .labelled("LabelForPoint", "Forward Point", {"Forward Point", "向前点"})
        .choices("Automatic|Fixed 1.7mS|Fixed 1.8mS|Fixed 1.9mS",
                 {{}, "自动|固定1.7mS|固定1.8mS|固定1.9mS"})
        .shownOn(tabs::Boat | tabs::Car)
        .hinted("The throttle signal that gives full forward power. Automatic learns it from the "
                "transmitter.",
                "前进达到全功率时的油门信号。选“自动”时从遥控器学习。"),
    list(31, "ComboRevPoint", "reverse point")
        .in(Group::PointForRev)
        .labelled("LabelRevPoint", "Reverse Point", {"Reverse Point", "倒退点"})
        .choices("Automatic|Fixed 1.0mS|Fixed 1.1mS|Fixed 1.2mS|Fixed 1.3mS",
                 {{}, "自动|固定1.0mS|固定1.1mS|固定1.2mS|固定1.3mS"})
        .shownOn(tabs::Boat | tabs::Car)
        .hinted("The throttle signal that gives full reverse power. Automatic learns it from the "
                "transmitter.",
                "倒退达到全功率时的油门信号。选“自动”时从遥控器学习。"),
    options(25, "OptionRotation", "rotation")
        .framed("FrameRot", "Rotation", {"Rotation", "转动方向"})
        .choices("Left|Right", {"Left|Right", "左转|右转"})
        .shownOn(tabs::Airplane | tabs::Helicopter)
        .hinted("Which way the motor turns, without swapping its wires.",
                "电机的转动方向，无需对调电机线即可改变。"),
    options(12, "OpReverse", "reverse")
        .framed("FrameRev", "Reverse", {"Reverse", "倒退功能"})
        .choices("ON|OFF", {"ON|OFF", "开|关"})
        .shownOn(tabs::Boat | tabs::Car)
        .hinted("Whether the motor may also run in reverse.", "是否允许电机反转（倒车）。"),
    list(27, "ComboPowerLimitF", "forward power limit")
        .in(Group::Power)
        .labelled("LabelFor", "Forward ", {"Forward ", "向前"})
        .choices("OFF|75%|50%|25%")
        .notedAs("LabelFor", "FramePower")
        .enabledOn(tabs::Boat | tabs::Car)
        .hinted("Holds the power back when going forward. OFF gives full power.",
                "限制前进时的功率。选“OFF”为全功率。"),
    list(28, "ComboPowerLimitR", "reverse power limit")
        .in(Group::Power)
        .labelled("LabelRev", "Reverse ", {"Reverse ", "倒退"})
        .choices("OFF|75%|50%|25%")
        .notedAs("LabelRev", "FramePower")
        .enabledOn(tabs::Boat | tabs::Car)
        .hinted("Holds the power back when going in reverse. OFF gives full power.",
                "限制倒退时的功率。选“OFF”为全功率。"),
    list(29, "ComboDelay", "delay time")
        .framed("Frame1Delay", "Delay Time", {"Delay Time", "延迟时间"})
        .choices("0.25 S|0.50 S|0.75 S|1.0 S|1.5 S|2 S|3 S|5 S")
        .enabledOn(tabs::Boat | tabs::Car)
        .hinted("How long the controller waits before it goes from forward into reverse.",
                "由前进转为倒退之前，控制器等待的时间。"),
    options(9, "OptionBrake", "brake type")
        .framed("FrameBrake", "Brake type", {"Brake Type", "刹车类型"})
        .choices("OFF|Extra Soft|Soft|Medium|Hard|Exrea Hard",
                 {"OFF|Extra Soft|Soft|Medium|Hard|Extra Hard", "关|极柔和|柔和|中等|硬性|超硬性"})
        .shownOn(tabs::Airplane)
        .hinted("How hard the motor brakes when the throttle is closed. OFF lets it turn freely.",
                "收油门时电机的刹车力度。选“关”时电机自由滑行。"),
    options(26, "OptionAbs", "ABS")
        .framed("FrameAbs", "ABS")
        .choices("ON|OFF", {"ON|OFF", "开|关"})
        .notedAs("ABS  ")
        .shownOn(tabs::Car)
        .hidden()
        .hinted("Anti-lock braking: the brake is released in short pulses so that the wheels do "
                "not lock.",
                "防抱死刹车：刹车时间歇放松，避免车轮抱死。"),
    options(10, "OptionHeliMode", "helicopter mode")
        .framed("FrameHeMode", "Helicopter Mode", {"Helicopter Mode", "直升机模式"})
        .choices("Constant RPM|Normal", {"Constant RPM|Normal", "定速|普通"})
        .startingAt(1)
        .factory(1)
        .doing(ExtraStep::MotorPole)
        .shownOn(tabs::Helicopter)
        .hidden()
        .hinted("Constant RPM holds the rotor speed steady whatever the load; Normal follows the "
                "throttle directly.",
                "定速模式在负载变化时保持旋翼转速不变；普通模式下转速直接跟随油门。"),
    options(MotorPoleSlot, "OpMotorPole", "motor poles")
        .framed("FrameMotorPole", "Motor Pole No.", {"Motor Pole No.", "马达极数"})
        .choices("2-4|6-10|12-14")
        .shownOn(0)
        .hidden()
        .hinted("The number of magnet poles of the motor, so that the controller drives it in "
                "step.",
                "电机的磁极数，控制器据此与电机同步驱动。"),
};

inline constexpr int ParameterCount = static_cast<int>(std::size(Parameters));

// The parameter stored in `slot`, or nullptr.
constexpr const Parameter* findParameter(int slot) {
    for (const Parameter& parameter : Parameters) {
        if (parameter.slot == slot) {
            return &parameter;
        }
    }
    return nullptr;
}

}  // namespace rotaline
