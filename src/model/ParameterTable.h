#pragma once

#include <array>
#include <string_view>

#include "model/Items.h"
#include "model/Languages.h"

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

// A text the language switch sets: as written in English, and in another language as the
// catalogues translate it under "Parameters".
using Words = std::string_view;

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
    {"FrameBattery", false, "Battery", QT_TRANSLATE_NOOP("Parameters", "Battery")},
    {"FramePointIniEnd", false, "Initial && End Point",
     QT_TRANSLATE_NOOP("Parameters", "Initial & End Point")},
    {"FramePointForRev", false, "Forward && Reverse Point",
     QT_TRANSLATE_NOOP("Parameters", "Forward & Revervse Point")},
    {"FramePower", false, "Power Limit ", QT_TRANSLATE_NOOP("Parameters", "Power Limit")},
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
    // Options or entries the language switch sets (or refills) in the language shown.
    constexpr Parameter switchedChoices(Words entries) const { return choices(entries, entries); }
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
    constexpr Parameter hinted(Words text) const { return with(&Parameter::hint, text); }
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
        .framed("FrameCurrent", "Current Limit", QT_TRANSLATE_NOOP("Parameters", "Current Limit"))
        .choices("20A|30A|40A|50A|60A|70A|80A|90A|100A|No Limit")
        .perModel(ModelRule::Shows)
        .onPage(3)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "The most current the motor may draw; above it the controller takes power back.")),
    bar(14, "HScrollTiming", "timing advance")
        .framed("FrameTiming", "Timing Degree", QT_TRANSLATE_NOOP("Parameters", "Timing Degree"))
        .besideLabels({{{"Label2", "0°"}, {"Label4", "30°"}, {"LabelDegree", "0°"}}})
        .ranging({0, 30, 1, 5, "°"})
        .doing(ExtraStep::TimingLabel)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "How far ahead the controller switches the motor's windings. More timing gives "
            "more speed and power, but also more current and heat.")),
    options(33, "OptionTimMon", "timing monitor")
        .framed("FrameTimingMon", "Timing Monitor",
                QT_TRANSLATE_NOOP("Parameters", "Timing Montor"))
        .switchedChoices(QT_TRANSLATE_NOOP("Parameters", "ON|OFF"))
        .factoryWithoutHandler(0)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "Whether the controller watches the motor's timing while it runs and corrects it.")),
    options(17, "OptionBatType", "battery type")
        .in(Group::Battery)
        .framed("FrameAccType", "Accumulator Type",
                QT_TRANSLATE_NOOP("Parameters", "Accumulator Type"))
        .choices("NiCd/NiMH |Li-ion/Poly ",
                 QT_TRANSLATE_NOOP("Parameters", "NiCd/NiMH |Li-ion/Poly "))
        .firstSelected(1)
        .factory(1)
        .doing(ExtraStep::BatteryType)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "The kind of battery that powers the model; it decides which cut-off voltages "
            "apply.")),
    cellList(19, "ComboNoOfCell", "number of cells")
        .in(Group::Battery)
        .labelled("LabelNumCell", "Number of Cell",
                  QT_TRANSLATE_NOOP("Parameters", "Number of Cell"))
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "How many cells the battery has in series. Auto counts them when the battery is "
            "plugged in.")),
    list(18, "ComboPerCellNi", "cut-off per NiCd/NiMH cell")
        .in(Group::Battery)
        .labelled("LabelCut", "Cut off per cell",
                  QT_TRANSLATE_NOOP("Parameters", "Cut Off Per Cell"))
        .choices("\u00d70.05|0.4V|0.5V|0.6V|0.7V|0.8V|0.9V|1.0V")
        .factory(6)
        .notedAs("OptionBatType(0)", "LabelCut")
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "NiCd/NiMH: when a cell drops to this voltage, the controller cuts the motor's "
            "power so that the battery is not run flat.")),
    options(21, "OptionCutOffType", "cut-off type")
        .in(Group::Battery)
        .framed("FrameCutType", "Cut Off Type", QT_TRANSLATE_NOOP("Parameters", "Cut Off Type"))
        .switchedChoices(QT_TRANSLATE_NOOP("Parameters", "Slow Down|Hard"))
        .enabledOn(tabs::Airplane | tabs::Boat | tabs::Car)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "What happens at the cut-off voltage: the motor slows down gradually, or stops at "
            "once.")),
    list(20, "ComboPerCellLi", "cut-off per lithium cell")
        .labelled("LabelCut")
        .choices("2.0V|2.1V|2.2V|2.3V|2.4V|2.5V|2.6V|2.7V|2.8V|2.9V|3.0V|3.1V|3.2V")
        .factory(7)
        .notedAs("OptionBatType(1)", "LabelCut")
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "Li-ion/Poly: when a cell drops to this voltage, the controller cuts the motor's "
            "power so that the battery is not run flat.")),
    options(24, "OptionThr", "throttle curve")
        .framed("FrameThCurve", "Throttle Curve", QT_TRANSLATE_NOOP("Parameters", "Throttle Curve"))
        .choices("Logarithmical|linear|Exponetial",
                 QT_TRANSLATE_NOOP("Parameters", "Logarithmical|Linear|Exponetial"))
        .startingAt(1)
        .factory(1)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "How the motor's power follows the throttle stick: logarithmical gives more power "
            "early, exponential more near the top, linear in step with the stick.")),
    options(16, "OpAcceleration", "acceleration")
        .framed("FrameAcceleration", "Acceleration",
                QT_TRANSLATE_NOOP("Parameters", " Acceleration"))
        .switchedChoices(QT_TRANSLATE_NOOP("Parameters", "Soft|Midium|Hard"))
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "How quickly the motor follows a sudden opening of the throttle. Soft spares "
            "gears and belts.")),
    options(15, "OptionFreqency", "frequency")
        .framed("FrameFre", "Freqency", QT_TRANSLATE_NOOP("Parameters", "Freqency"))
        .switchedChoices(QT_TRANSLATE_NOOP("Parameters", "8KHz|16KHz|32KHz"))
        .perModel(ModelRule::Enables)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "How often the controller switches the motor current (PWM). Higher runs "
            "smoother, lower keeps the controller cooler.")),
    list(22, "ComboIniPoint", "initial point")
        .in(Group::PointIniEnd)
        .labelled("LabelIniPoint", "Initial Point",
                  QT_TRANSLATE_NOOP("Parameters", "Initial Point"))
        .switchedChoices(QT_TRANSLATE_NOOP(
            "Parameters",
            "Automatic|Fixed 1.0mS|Fixed 1.1mS|Fixed 1.2mS|Fixed 1.3mS|Fixed 1.4mS|Fixed 1.5mS"))
        .shownOn(tabs::Airplane | tabs::Helicopter)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "The throttle signal at which the motor starts. Automatic learns it from the "
            "transmitter.")),
    list(23, "ComboEndPoint", "end point")
        .in(Group::PointIniEnd)
        .labelled("LabelEndPoint", "End Point", QT_TRANSLATE_NOOP("Parameters", "End Point"))
        .switchedChoices(QT_TRANSLATE_NOOP(
            "Parameters", "Automatic|Fixed 1.7mS|Fixed 1.8mS|Fixed 1.9mS|Fixed 2.0mS"))
        .shownOn(tabs::Airplane | tabs::Helicopter)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "The throttle signal that gives full power. Automatic learns it from the "
            "transmitter.")),
    list(30, "ComboForPoint", "forward point")
        .in(Group::PointForRev)
        .labelled("LabelForPoint", "Forward Point",
                  QT_TRANSLATE_NOOP("Parameters", "Forward Point"))
        .switchedChoices(
            QT_TRANSLATE_NOOP("Parameters", "Automatic|Fixed 1.7mS|Fixed 1.8mS|Fixed 1.9mS"))
        .shownOn(tabs::Boat | tabs::Car)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "The throttle signal that gives full forward power. Automatic learns it from the "
            "transmitter.")),
    list(31, "ComboRevPoint", "reverse point")
        .in(Group::PointForRev)
        .labelled("LabelRevPoint", "Reverse Point",
                  QT_TRANSLATE_NOOP("Parameters", "Reverse Point"))
        .switchedChoices(QT_TRANSLATE_NOOP(
            "Parameters", "Automatic|Fixed 1.0mS|Fixed 1.1mS|Fixed 1.2mS|Fixed 1.3mS"))
        .shownOn(tabs::Boat | tabs::Car)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "The throttle signal that gives full reverse power. Automatic learns it from the "
            "transmitter.")),
    options(25, "OptionRotation", "rotation")
        .framed("FrameRot", "Rotation", QT_TRANSLATE_NOOP("Parameters", "Rotation"))
        .switchedChoices(QT_TRANSLATE_NOOP("Parameters", "Left|Right"))
        .shownOn(tabs::Airplane | tabs::Helicopter)
        .hinted(QT_TRANSLATE_NOOP("Parameters",
                                  "Which way the motor turns, without swapping its wires.")),
    options(12, "OpReverse", "reverse")
        .framed("FrameRev", "Reverse", QT_TRANSLATE_NOOP("Parameters", "Reverse"))
        .switchedChoices(QT_TRANSLATE_NOOP("Parameters", "ON|OFF"))
        .shownOn(tabs::Boat | tabs::Car)
        .hinted(QT_TRANSLATE_NOOP("Parameters", "Whether the motor may also run in reverse.")),
    list(27, "ComboPowerLimitF", "forward power limit")
        .in(Group::Power)
        .labelled("LabelFor", "Forward ", QT_TRANSLATE_NOOP("Parameters", "Forward "))
        .choices("OFF|75%|50%|25%")
        .notedAs("LabelFor", "FramePower")
        .enabledOn(tabs::Boat | tabs::Car)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters", "Holds the power back when going forward. OFF gives full power.")),
    list(28, "ComboPowerLimitR", "reverse power limit")
        .in(Group::Power)
        .labelled("LabelRev", "Reverse ", QT_TRANSLATE_NOOP("Parameters", "Reverse "))
        .choices("OFF|75%|50%|25%")
        .notedAs("LabelRev", "FramePower")
        .enabledOn(tabs::Boat | tabs::Car)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters", "Holds the power back when going in reverse. OFF gives full power.")),
    list(29, "ComboDelay", "delay time")
        .framed("Frame1Delay", "Delay Time", QT_TRANSLATE_NOOP("Parameters", "Delay Time"))
        .choices("0.25 S|0.50 S|0.75 S|1.0 S|1.5 S|2 S|3 S|5 S")
        .enabledOn(tabs::Boat | tabs::Car)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "How long the controller waits before it goes from forward into reverse.")),
    options(9, "OptionBrake", "brake type")
        .framed("FrameBrake", "Brake type", QT_TRANSLATE_NOOP("Parameters", "Brake Type"))
        .choices("OFF|Extra Soft|Soft|Medium|Hard|Exrea Hard",
                 QT_TRANSLATE_NOOP("Parameters", "OFF|Extra Soft|Soft|Medium|Hard|Extra Hard"))
        .shownOn(tabs::Airplane)
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "How hard the motor brakes when the throttle is closed. OFF lets it turn freely.")),
    options(26, "OptionAbs", "ABS")
        .framed("FrameAbs", "ABS")
        .switchedChoices(QT_TRANSLATE_NOOP("Parameters", "ON|OFF"))
        .notedAs("ABS  ")
        .shownOn(tabs::Car)
        .hidden()
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "Anti-lock braking: the brake is released in short pulses so that the wheels do "
            "not lock.")),
    options(10, "OptionHeliMode", "helicopter mode")
        .framed("FrameHeMode", "Helicopter Mode",
                QT_TRANSLATE_NOOP("Parameters", "Helicopter Mode"))
        .switchedChoices(QT_TRANSLATE_NOOP("Parameters", "Constant RPM|Normal"))
        .startingAt(1)
        .factory(1)
        .doing(ExtraStep::MotorPole)
        .shownOn(tabs::Helicopter)
        .hidden()
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "Constant RPM holds the rotor speed steady whatever the load; Normal follows the "
            "throttle directly.")),
    options(MotorPoleSlot, "OpMotorPole", "motor poles")
        .framed("FrameMotorPole", "Motor Pole No.",
                QT_TRANSLATE_NOOP("Parameters", "Motor Pole No."))
        .choices("2-4|6-10|12-14")
        .shownOn(0)
        .hidden()
        .hinted(QT_TRANSLATE_NOOP(
            "Parameters",
            "The number of magnet poles of the motor, so that the controller drives it in "
            "step.")),
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
