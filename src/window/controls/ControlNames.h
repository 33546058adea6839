#pragma once

#include <string_view>

#include "window/controls/ControlSet.h"
#include "window/controls/Controls.h"
#include "window/texts/Texts.h"

namespace rotaline {

// What a screen reader calls the controls that no caption names, and what it says of those
// that carry no parameter hint. `namedBy` is the control whose caption names it; without one,
// `name` does, and a control with neither keeps its own caption. A parameter's list or bar is
// named by the words of its change note.
struct ControlPurpose {
    std::string_view control;
    std::string_view namedBy;
    const char* name;
    const char* description;
};

namespace texts {
inline constexpr TextContext Names{"ControlNames"};
inline constexpr const char* ModelListPurpose = QT_TRANSLATE_NOOP(
    "ControlNames", "The controller model. Choosing one restores and sends its factory defaults.");
inline constexpr const char* LampPurpose =
    QT_TRANSLATE_NOOP("ControlNames", "Click it to choose the serial adapter for each COM number.");
}  // namespace texts

inline constexpr ControlPurpose ControlPurposes[] = {
    {"ComboCOM",
     "FrameSelectCom",
     {},
     QT_TRANSLATE_NOOP(
         "ControlNames",
         "The serial port of the programming adapter. Choosing one sends it the handshake.")},
    {"ImageOn",
     {},
     QT_TRANSLATE_NOOP("ControlNames", "Port ready"),
     QT_TRANSLATE_NOOP(
         "ControlNames",
         "The adapter took the handshake. Click it to choose the serial adapter for each COM "
         "number.")},
    {"ImageOff", {}, QT_TRANSLATE_NOOP("ControlNames", "Port not usable"), texts::LampPurpose},
    {"CommandSetFactory",
     {},
     {},
     QT_TRANSLATE_NOOP(
         "ControlNames",
         "Restores every setting to the factory default of the chosen model and sends it.")},
    {"Text1",
     {},
     QT_TRANSLATE_NOOP("ControlNames", "Change notes"),
     QT_TRANSLATE_NOOP(
         "ControlNames",
         "One line for each setting sent to the controller; what the controller sends back shows "
         "here too.")},
    {"CommandClear", {}, {}, QT_TRANSLATE_NOOP("ControlNames", "Empties the change notes.")},
    {"SSTab1",
     {},
     QT_TRANSLATE_NOOP("ControlNames", "ESC type"),
     QT_TRANSLATE_NOOP("ControlNames",
                       "The kind of model the controller is for; each kind has its own settings.")},
    {"ComboCTRmodel(0)", "FrameEscType(0)", {}, texts::ModelListPurpose},
    {"ComboCTRmodel(1)", "FrameEscType(1)", {}, texts::ModelListPurpose},
    {"ComboCTRmodel(2)", "FrameEscType(2)", {}, texts::ModelListPurpose},
    {"ComboCTRmodel(3)", "FrameEscType(3)", {}, texts::ModelListPurpose},
    {"Toolbar1",
     {},
     QT_TRANSLATE_NOOP("ControlNames", "Toolbar"),
     QT_TRANSLATE_NOOP("ControlNames", "Open, save, about.")},
};

// The status bar under the window, and its bar of what has left.
namespace texts {
inline constexpr const char* StatusBarName = QT_TRANSLATE_NOOP("ControlNames", "Status");
inline constexpr const char* LineProgressName = QT_TRANSLATE_NOOP("ControlNames", "Sent so far");
}  // namespace texts

// What a screen reader calls the toolbar's button of that key.
QString toolbarButtonName(const QString& key, const Language& language);

// The words before ": " in the change note of a slot that has a change handler.
QString notePrefix(const ControlSet& set, int slot);

// Names every control for a screen reader, in `language`.
void nameControls(const ControlSet& set, const ConstControls& controls, const Language& language);

}  // namespace rotaline
