#pragma once

#include <array>

#include "window/controls/ComboList.h"
#include "window/controls/Control.h"
#include "window/controls/OptionGroup.h"
#include "window/controls/ScrollBar.h"
#include "window/controls/TabStrip.h"
#include "window/controls/TextBox.h"
#include "window/controls/Toolbar.h"

namespace rotaline {

template <class T>
using Mutable = T*;
template <class T>
using ReadOnly = const T*;

// The controls the form's procedures name, with their kinds: ONE(type, name) for a control,
// ARRAY(type, name, count) for "name(0)" .. "name(count - 1)". A parameter without logic of its
// own is reached through the parameter table instead.
#define ROTALINE_NAMED_CONTROLS(ONE, ARRAY) \
    ONE(Toolbar, Toolbar1)                  \
    ONE(Control, mnuFile)                   \
    ONE(Control, mnuOpen)                   \
    ONE(Control, mnuSave)                   \
    ONE(Control, mnuAdapters)               \
    ONE(Control, mnuSendAll)                \
    ONE(Control, mnuHistory)                \
    ONE(Control, mnuPrintSheet)             \
    ONE(Control, mnuExportSheet)            \
    ONE(Control, mnuExit)                   \
    ARRAY(Control, mnuFileMRU, 5)           \
    ONE(Control, mnuUndo)                   \
    ONE(Control, mnuRedo)                   \
    ONE(Control, mnuChinese)                \
    ONE(Control, mnuEnglish)                \
    ONE(Control, mnuHow)                    \
    ONE(Control, mnuAbout)                  \
    ONE(Control, FrameSelectCom)            \
    ONE(ComboList, ComboCOM)                \
    ONE(Control, ImageOff)                  \
    ONE(Control, ImageOn)                   \
    ONE(Control, CommandSetFactory)         \
    ONE(TextBox, Text1)                     \
    ONE(Control, CommandClear)              \
    ONE(TextBox, Text2)                     \
    ONE(TabStrip, SSTab1)                   \
    ARRAY(ComboList, ComboCTRmodel, 4)      \
    ONE(ScrollBar, HScrollTiming)           \
    ONE(Control, LabelDegree)               \
    ONE(Control, LabelNumCell)              \
    ONE(ComboList, ComboNoOfCell)           \
    ONE(ComboList, ComboPerCellNi)          \
    ONE(ComboList, ComboPerCellLi)          \
    ONE(ComboList, ComboIniPoint)           \
    ONE(ComboList, ComboEndPoint)           \
    ONE(ComboList, ComboForPoint)           \
    ONE(ComboList, ComboRevPoint)           \
    ONE(Control, LabelRev)                  \
    ONE(Control, FrameMotorPole)

#define ROTALINE_MEMBER(Type, name) P<Type> name;
#define ROTALINE_ARRAY_MEMBER(Type, name, count) std::array<P<Type>, count> name;

// Those controls under the names the window gives them, the way a generated Ui class offers
// its widgets: `controls.ComboCOM`, `controls.ComboCTRmodel[2]`. Each member is checked against
// the control table when the program is built, its name and its kind. `P` makes the members
// changeable (Controls) or read-only (ConstControls).
template <template <class> class P>
struct ControlsOf {
    ROTALINE_NAMED_CONTROLS(ROTALINE_MEMBER, ROTALINE_ARRAY_MEMBER)
};

#undef ROTALINE_MEMBER
#undef ROTALINE_ARRAY_MEMBER

using Controls = ControlsOf<Mutable>;
using ConstControls = ControlsOf<ReadOnly>;

class ControlSet;

// Points every member at its control of `set`.
void bindControls(ControlSet& set, Controls& controls);
void bindControls(const ControlSet& set, ConstControls& controls);

}  // namespace rotaline
