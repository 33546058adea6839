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

// Every control of the main window under the name the window gives it, the way a generated
// Ui class offers its widgets: `controls.ComboCOM`, `controls.ComboCTRmodel[2]`. Each member
// is checked against the control table when the program is built, its name and its kind.
// `P` makes the members changeable (Controls) or read-only (ConstControls).
template <template <class> class P>
struct ControlsOf {
    P<Toolbar> Toolbar1;
    P<Control> mnuFile;
    P<Control> mnuOpen;
    P<Control> mnuSave;
    P<Control> mnuAdapters;
    P<Control> mnuSendAll;
    P<Control> mnu_;
    P<Control> mnuExit;
    std::array<P<Control>, 5> mnuFileMRU;
    P<Control> mnuEdit;
    P<Control> mnuUndo;
    P<Control> mnuRedo;
    P<Control> mnuLanguage;
    P<Control> mnuChinese;
    P<Control> mnuEnglish;
    P<Control> mnuHelp;
    P<Control> mnuHow;
    P<Control> mnuAbout;
    P<Control> Shape6;
    P<Control> FrameSelectCom;
    P<ComboList> ComboCOM;
    P<Control> ImageOff;
    P<Control> ImageOn;
    P<Control> CommandSetFactory;
    P<Control> Shape1;
    P<TextBox> Text1;
    P<Control> CommandClear;
    P<TextBox> Text2;
    P<Control> Line1;
    P<TabStrip> SSTab1;
    std::array<P<Control>, 4> Image1;
    P<Control> Shape2;
    std::array<P<Control>, 4> Line2;
    std::array<P<Control>, 4> Line3;
    std::array<P<Control>, 4> Line4;
    std::array<P<Control>, 4> Line5;
    std::array<P<Control>, 4> Line6;
    std::array<P<Control>, 4> Line7;
    std::array<P<Control>, 4> FrameEscType;
    std::array<P<ComboList>, 4> ComboCTRmodel;
    P<Control> Shape3;
    P<Control> Shape4;
    P<Control> Shape5;
    P<Control> FrameCurrent;
    P<ComboList> ComboCurentLimit;
    P<Control> FrameTiming;
    P<Control> Label2;
    P<Control> Label4;
    P<Control> LabelDegree;
    P<ScrollBar> HScrollTiming;
    P<Control> FrameTimingMon;
    P<OptionGroup> OptionTimMon;
    P<Control> FrameBattery;
    P<Control> FrameAccType;
    P<OptionGroup> OptionBatType;
    P<Control> LabelNumCell;
    P<ComboList> ComboNoOfCell;
    P<Control> LabelCut;
    P<ComboList> ComboPerCellNi;
    P<Control> FrameCutType;
    P<OptionGroup> OptionCutOffType;
    P<ComboList> ComboPerCellLi;
    P<Control> FrameThCurve;
    P<OptionGroup> OptionThr;
    P<Control> FrameAcceleration;
    P<OptionGroup> OpAcceleration;
    P<Control> FrameFre;
    P<OptionGroup> OptionFreqency;
    P<Control> FramePointIniEnd;
    P<Control> LabelIniPoint;
    P<ComboList> ComboIniPoint;
    P<Control> LabelEndPoint;
    P<ComboList> ComboEndPoint;
    P<Control> FramePointForRev;
    P<Control> LabelForPoint;
    P<ComboList> ComboForPoint;
    P<Control> LabelRevPoint;
    P<ComboList> ComboRevPoint;
    P<Control> FrameRot;
    P<OptionGroup> OptionRotation;
    P<Control> FrameRev;
    P<OptionGroup> OpReverse;
    P<Control> FramePower;
    P<Control> LabelFor;
    P<ComboList> ComboPowerLimitF;
    P<Control> LabelRev;
    P<ComboList> ComboPowerLimitR;
    P<Control> Frame1Delay;
    P<ComboList> ComboDelay;
    P<Control> FrameBrake;
    P<OptionGroup> OptionBrake;
    P<Control> FrameAbs;
    P<OptionGroup> OptionAbs;
    P<Control> FrameHeMode;
    P<OptionGroup> OptionHeliMode;
    P<Control> FrameMotorPole;
    P<OptionGroup> OpMotorPole;
};

using Controls = ControlsOf<Mutable>;
using ConstControls = ControlsOf<ReadOnly>;

class ControlSet;

// Points every member at its control of `set`.
void bindControls(ControlSet& set, Controls& controls);
void bindControls(const ControlSet& set, ConstControls& controls);

}  // namespace rotaline
