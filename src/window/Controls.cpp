#include "window/Controls.h"

#include <type_traits>

#include "window/ControlSet.h"
#include "window/ControlTable.h"

namespace rotaline {

namespace {

template <class T>
constexpr bool kindFits(ControlKind kind) {
    using Plain = std::remove_const_t<T>;
    if constexpr (std::is_same_v<Plain, ComboList>) {
        return kind == ControlKind::ComboList;
    } else if constexpr (std::is_same_v<Plain, OptionGroup>) {
        return kind == ControlKind::OptionGroup;
    } else if constexpr (std::is_same_v<Plain, ScrollBar>) {
        return kind == ControlKind::ScrollBar;
    } else if constexpr (std::is_same_v<Plain, TabStrip>) {
        return kind == ControlKind::TabStrip;
    } else if constexpr (std::is_same_v<Plain, TextBox>) {
        return kind == ControlKind::TextBox;
    } else if constexpr (std::is_same_v<Plain, Toolbar>) {
        return kind == ControlKind::Toolbar;
    } else {
        return kind != ControlKind::ComboList && kind != ControlKind::OptionGroup &&
               kind != ControlKind::ScrollBar && kind != ControlKind::TabStrip &&
               kind != ControlKind::TextBox && kind != ControlKind::Toolbar;
    }
}

// Rows of "Name(0)" .. "Name(4)"; an array member takes the first `count`, and there must be
// exactly that many.
template <class T>
constexpr bool arrayFits(const std::array<int, 5>& rows, std::size_t count) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if ((i < count) != (rows[i] >= 0) ||
            (i < count && !kindFits<T>(ControlTable[rows[i]].kind))) {
            return false;
        }
    }
    return true;
}

template <int Row, class Set, class T>
void bindOne(Set& set, T*& member) {
    static_assert(Row >= 0, "the control table has no control of this name");
    static_assert(kindFits<T>(ControlTable[Row].kind), "the control table makes it another kind");
    member = &dynamic_cast<T&>(*set.at(Row));
}

template <int R0, int R1, int R2, int R3, int R4, class Set, class T, std::size_t N>
void bindArray(Set& set, std::array<T*, N>& members) {
    constexpr std::array<int, 5> Rows{R0, R1, R2, R3, R4};
    static_assert(arrayFits<T>(Rows, N), "the control table has another array of this name");
    for (std::size_t i = 0; i < N; ++i) {
        members[i] = &dynamic_cast<T&>(*set.at(Rows[i]));
    }
}

// The one place where a member meets its name in the table.
#define ROTALINE_BIND(member) bindOne<designIndex(#member)>(set, controls.member)
#define ROTALINE_BIND_ARRAY(member)                                                               \
    bindArray<designIndex(#member "(0)"), designIndex(#member "(1)"), designIndex(#member "(2)"), \
              designIndex(#member "(3)"), designIndex(#member "(4)")>(set, controls.member)

template <class Set, class C>
void bindAll(Set& set, C& controls) {
    ROTALINE_BIND(Toolbar1);
    ROTALINE_BIND(mnuFile);
    ROTALINE_BIND(mnuOpen);
    ROTALINE_BIND(mnuSave);
    ROTALINE_BIND(mnuAdapters);
    ROTALINE_BIND(mnuSendAll);
    ROTALINE_BIND(mnu_);
    ROTALINE_BIND(mnuExit);
    ROTALINE_BIND_ARRAY(mnuFileMRU);
    ROTALINE_BIND(mnuEdit);
    ROTALINE_BIND(mnuUndo);
    ROTALINE_BIND(mnuRedo);
    ROTALINE_BIND(mnuLanguage);
    ROTALINE_BIND(mnuChinese);
    ROTALINE_BIND(mnuEnglish);
    ROTALINE_BIND(mnuHelp);
    ROTALINE_BIND(mnuHow);
    ROTALINE_BIND(mnuAbout);
    ROTALINE_BIND(Shape6);
    ROTALINE_BIND(FrameSelectCom);
    ROTALINE_BIND(ComboCOM);
    ROTALINE_BIND(ImageOff);
    ROTALINE_BIND(ImageOn);
    ROTALINE_BIND(CommandSetFactory);
    ROTALINE_BIND(Shape1);
    ROTALINE_BIND(Text1);
    ROTALINE_BIND(CommandClear);
    ROTALINE_BIND(Text2);
    ROTALINE_BIND(Line1);
    ROTALINE_BIND(SSTab1);
    ROTALINE_BIND_ARRAY(Image1);
    ROTALINE_BIND(Shape2);
    ROTALINE_BIND_ARRAY(Line2);
    ROTALINE_BIND_ARRAY(Line3);
    ROTALINE_BIND_ARRAY(Line4);
    ROTALINE_BIND_ARRAY(Line5);
    ROTALINE_BIND_ARRAY(Line6);
    ROTALINE_BIND_ARRAY(Line7);
    ROTALINE_BIND_ARRAY(FrameEscType);
    ROTALINE_BIND_ARRAY(ComboCTRmodel);
    ROTALINE_BIND(Shape3);
    ROTALINE_BIND(Shape4);
    ROTALINE_BIND(Shape5);
    ROTALINE_BIND(FrameCurrent);
    ROTALINE_BIND(ComboCurentLimit);
    ROTALINE_BIND(FrameTiming);
    ROTALINE_BIND(Label2);
    ROTALINE_BIND(Label4);
    ROTALINE_BIND(LabelDegree);
    ROTALINE_BIND(HScrollTiming);
    ROTALINE_BIND(FrameTimingMon);
    ROTALINE_BIND(OptionTimMon);
    ROTALINE_BIND(FrameBattery);
    ROTALINE_BIND(FrameAccType);
    ROTALINE_BIND(OptionBatType);
    ROTALINE_BIND(LabelNumCell);
    ROTALINE_BIND(ComboNoOfCell);
    ROTALINE_BIND(LabelCut);
    ROTALINE_BIND(ComboPerCellNi);
    ROTALINE_BIND(FrameCutType);
    ROTALINE_BIND(OptionCutOffType);
    ROTALINE_BIND(ComboPerCellLi);
    ROTALINE_BIND(FrameThCurve);
    ROTALINE_BIND(OptionThr);
    ROTALINE_BIND(FrameAcceleration);
    ROTALINE_BIND(OpAcceleration);
    ROTALINE_BIND(FrameFre);
    ROTALINE_BIND(OptionFreqency);
    ROTALINE_BIND(FramePointIniEnd);
    ROTALINE_BIND(LabelIniPoint);
    ROTALINE_BIND(ComboIniPoint);
    ROTALINE_BIND(LabelEndPoint);
    ROTALINE_BIND(ComboEndPoint);
    ROTALINE_BIND(FramePointForRev);
    ROTALINE_BIND(LabelForPoint);
    ROTALINE_BIND(ComboForPoint);
    ROTALINE_BIND(LabelRevPoint);
    ROTALINE_BIND(ComboRevPoint);
    ROTALINE_BIND(FrameRot);
    ROTALINE_BIND(OptionRotation);
    ROTALINE_BIND(FrameRev);
    ROTALINE_BIND(OpReverse);
    ROTALINE_BIND(FramePower);
    ROTALINE_BIND(LabelFor);
    ROTALINE_BIND(ComboPowerLimitF);
    ROTALINE_BIND(LabelRev);
    ROTALINE_BIND(ComboPowerLimitR);
    ROTALINE_BIND(Frame1Delay);
    ROTALINE_BIND(ComboDelay);
    ROTALINE_BIND(FrameBrake);
    ROTALINE_BIND(OptionBrake);
    ROTALINE_BIND(FrameAbs);
    ROTALINE_BIND(OptionAbs);
    ROTALINE_BIND(FrameHeMode);
    ROTALINE_BIND(OptionHeliMode);
    ROTALINE_BIND(FrameMotorPole);
    ROTALINE_BIND(OpMotorPole);
}

#undef ROTALINE_BIND
#undef ROTALINE_BIND_ARRAY

}  // namespace

void bindControls(ControlSet& set, Controls& controls) {
    bindAll(set, controls);
}

void bindControls(const ControlSet& set, ConstControls& controls) {
    bindAll(set, controls);
}

}  // namespace rotaline
