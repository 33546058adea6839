#pragma once

#include <array>
#include <iterator>
#include <string_view>

#include "model/EscCatalogue.h"
#include "model/FixedTexts.h"
#include "model/ParameterTable.h"
#include "window/controls/Control.h"
#include "window/texts/Texts.h"

namespace rotaline {

// One control of the main window as designed: what it is, where it sits and how it starts.
struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;  // "" for the window itself
    std::string_view caption;
    bool visible = true;
    int page = -1;  // tab page that carries it, -1 for window-level controls
    // Option arrays: their items separated by "|". The toolbar has the buttons of ToolbarButtons,
    // the tab strip a tab for each ESC type.
    std::string_view items = {};
    int selected = -1;  // option array: initially selected button; tab strip: current tab
    Range range = {};   // scroll bar
};

// The toolbar's buttons, in the order of their actions.
enum class ToolbarAction { Open, Save, Help };
struct ToolbarButtonDesign {
    std::string_view key;
    std::string_view picture;
    const char* name;  // what a screen reader calls it
};
inline constexpr ToolbarButtonDesign ToolbarButtons[] = {
    {fixed::OpenKey, "Open", QT_TRANSLATE_NOOP("ControlNames", "Open a settings file")},
    {fixed::SaveKey, "Save", QT_TRANSLATE_NOOP("ControlNames", "Save the settings to a file")},
    {fixed::HelpKey, "Help", QT_TRANSLATE_NOOP("ControlNames", "About Rotaline")},
};

// The window's own controls, parents before their children; the tab pages' and the
// parameters' follow.
inline constexpr ControlDesign WindowControls[] = {
    {"Toolbar1", ControlKind::Toolbar, "", "", true, -1},
    {"mnuFile", ControlKind::Menu, "", "File(&F)", true, -1},
    {"mnuOpen", ControlKind::MenuItem, "mnuFile", "Open(&O)", true, -1},
    {"mnuSave", ControlKind::MenuItem, "mnuFile", "Save(&S)", true, -1},
    {"mnuAdapters", ControlKind::MenuItem, "mnuFile", "Serial adapters...(&R)", true, -1},
    {"mnuSendAll", ControlKind::MenuItem, "mnuFile", "Send all settings again(&A)", true, -1},
    {"mnuHistory", ControlKind::MenuItem, "mnuFile", "History...(&H)", true, -1},
    {"mnuPrintSheet", ControlKind::MenuItem, "mnuFile", "Print setup sheet...(&P)", true, -1},
    {"mnuExportSheet", ControlKind::MenuItem, "mnuFile", "Export setup sheet as PDF...(&D)", true,
     -1},
    {"mnu_", ControlKind::MenuItem, "mnuFile", "-", true, -1},
    {"mnuExit", ControlKind::MenuItem, "mnuFile", "Exit(&X)", true, -1},
    {"mnuFileMRU(0)", ControlKind::MenuItem, "mnuFile", "-", false, -1},
    {"mnuFileMRU(1)", ControlKind::MenuItem, "mnuFile", "1", false, -1},
    {"mnuFileMRU(2)", ControlKind::MenuItem, "mnuFile", "2", false, -1},
    {"mnuFileMRU(3)", ControlKind::MenuItem, "mnuFile", "3", false, -1},
    {"mnuFileMRU(4)", ControlKind::MenuItem, "mnuFile", "4", false, -1},
    {"mnuEdit", ControlKind::Menu, "", "Edit(&E)", true, -1},
    {"mnuUndo", ControlKind::MenuItem, "mnuEdit", "Undo(&U)", true, -1},
    {"mnuRedo", ControlKind::MenuItem, "mnuEdit", "Redo(&R)", true, -1},
    {"mnuLanguage", ControlKind::Menu, "", "Language(&L)", true, -1},
};
// After the Language menu's items, one for each language.
inline constexpr ControlDesign LaterWindowControls[] = {
    {"mnuHelp", ControlKind::Menu, "", "Help(&H)", true, -1},
    {"mnuHow", ControlKind::MenuItem, "mnuHelp", "How to use(H)", true, -1},
    {"mnuAbout", ControlKind::MenuItem, "mnuHelp", "About(&A)", true, -1},
    {"Shape6", ControlKind::Shape, "", "", true, -1},
    {"FrameSelectCom", ControlKind::Frame, "", "Select COM port", true, -1},
    {"ComboCOM", ControlKind::ComboList, "FrameSelectCom", "", true, -1},
    {"ImageOff", ControlKind::Image, "FrameSelectCom", "", true, -1},
    {"ImageOn", ControlKind::Image, "FrameSelectCom", "", true, -1},
    {"CommandSetFactory", ControlKind::Button, "", " Factory Default", true, -1},
    {"Shape1", ControlKind::Shape, "", "", true, -1},
    {"Text1", ControlKind::TextBox, "", "The note record your setting change", true, -1},
    {"CommandClear", ControlKind::Button, "", "Clear Note", true, -1},
    {"Text2", ControlKind::TextBox, "", "", false, -1},
    {"Line1", ControlKind::Line, "", "", true, -1},
    {"SSTab1", ControlKind::TabStrip, "", "", true, -1, "", 1},
};

// A name put together when the program is built: "Line2(3)", "Shape4".
struct MadeName {
    std::array<char, 20> text{};
    std::size_t size = 0;

    constexpr std::string_view view() const { return {text.data(), size}; }
};

constexpr MadeName makeName(std::string_view base, int number, bool indexed) {
    MadeName name;
    const auto put = [&name](char c) { name.text[name.size++] = c; };
    for (const char c : base) {
        put(c);
    }
    if (indexed) {
        put('(');
    }
    put(static_cast<char>('0' + number));
    if (indexed) {
        put(')');
    }
    return name;
}

// What every tab page carries, in the order it is made; the page's picture and shape keep the
// numbers the window was designed with.
struct PageControl {
    std::string_view base;
    ControlKind kind;
    int parent;  // its row in this table, or -1 for the tab strip
    std::string_view caption;
};

inline constexpr std::array<PageControl, 10> PageControls{{
    {"Image1", ControlKind::Image, -1, ""},
    {"Shape", ControlKind::Shape, -1, ""},
    {"Line2", ControlKind::Line, -1, ""},
    {"Line3", ControlKind::Line, -1, ""},
    {"Line4", ControlKind::Line, -1, ""},
    {"Line5", ControlKind::Line, -1, ""},
    {"Line6", ControlKind::Line, -1, ""},
    {"Line7", ControlKind::Line, -1, ""},
    {"FrameEscType", ControlKind::Frame, -1, "Controller type"},
    {"ComboCTRmodel", ControlKind::ComboList, 8, ""},
}};

constexpr MadeName pageControlName(int row, int page) {
    constexpr int Pictures[EscTypeCount] = {2, 3, 0, 1};
    const std::string_view base = PageControls[row].base;
    return base == "Image1"  ? makeName(base, Pictures[page], true)
           : base == "Shape" ? makeName(base, page + 2, false)
                             : makeName(base, page, true);
}

inline constexpr auto PageControlNames = [] {
    std::array<std::array<MadeName, PageControls.size()>, EscTypeCount> names{};
    for (int page = 0; page < EscTypeCount; ++page) {
        for (std::size_t row = 0; row < PageControls.size(); ++row) {
            names[page][row] = pageControlName(static_cast<int>(row), page);
        }
    }
    return names;
}();

namespace detail {

// Whether row `index` of the parameter table is the first to name `name` as its caption or
// group: the frame or label is made there.
constexpr bool firstToName(int index, std::string_view name) {
    for (int row = 0; row < index; ++row) {
        if (Parameters[row].caption.name == name || Parameters[row].group() == name) {
            return false;
        }
    }
    return true;
}

constexpr ControlKind controlKindOf(ValueKind kind) {
    return kind == ValueKind::OptionIndex   ? ControlKind::OptionGroup
           : kind == ValueKind::ScrollValue ? ControlKind::ScrollBar
                                            : ControlKind::ComboList;
}

// Calls `add` with the rows a parameter's controls take: its group's frame and its caption
// where it is the first to name them, the labels beside it, its control.
template <class Add>
constexpr void forEachParameterRow(int index, Add add) {
    const Parameter& p = Parameters[index];
    const std::string_view outer = p.page >= 0 ? "SSTab1" : "";
    if (p.frame != Group::None && firstToName(index, p.group())) {
        add(ControlDesign{p.group(), ControlKind::Frame, outer,
                          GroupFrames[static_cast<int>(p.frame)].designed, true, p.page});
    }
    if (firstToName(index, p.caption.name)) {
        add(ControlDesign{p.caption.name, p.caption.label ? ControlKind::Label : ControlKind::Frame,
                          p.frame == Group::None ? outer : p.group(), p.caption.designed,
                          !p.hiddenAtFirst, p.page});
    }
    for (const Beside& label : p.beside) {
        if (!label.name.empty()) {
            add(ControlDesign{label.name, ControlKind::Label, p.caption.name, label.caption, true,
                              p.page});
        }
    }
    const bool options = p.kind == ValueKind::OptionIndex;
    add(ControlDesign{p.control, controlKindOf(p.kind), p.parent(), "", true, p.page,
                      options ? p.items : "", options ? p.firstOption : -1, p.range});
}

constexpr int parameterRowCount() {
    int count = 0;
    for (int index = 0; index < ParameterCount; ++index) {
        forEachParameterRow(index, [&count](const ControlDesign&) { ++count; });
    }
    return count;
}

}  // namespace detail

inline constexpr int ControlCount =
    static_cast<int>(std::size(WindowControls)) + static_cast<int>(std::size(Languages)) +
    static_cast<int>(std::size(LaterWindowControls)) +
    EscTypeCount * static_cast<int>(PageControls.size()) + detail::parameterRowCount();

// Every control in creation order: parents before their children.
inline constexpr auto ControlTable = [] {
    std::array<ControlDesign, ControlCount> table{};
    int next = 0;
    for (const ControlDesign& design : WindowControls) {
        table[next++] = design;
    }
    for (const Language& language : Languages) {
        table[next++] = {language.menuItem,
                         ControlKind::MenuItem,
                         "mnuLanguage",
                         language.designedCaption,
                         true,
                         -1};
    }
    for (const ControlDesign& design : LaterWindowControls) {
        table[next++] = design;
    }
    for (int page = 0; page < EscTypeCount; ++page) {
        for (std::size_t row = 0; row < PageControls.size(); ++row) {
            const PageControl& control = PageControls[row];
            const int parent = control.parent;
            table[next++] = {PageControlNames[page][row].view(),
                             control.kind,
                             parent < 0 ? "SSTab1" : PageControlNames[page][parent].view(),
                             control.caption,
                             true,
                             page};
        }
    }
    for (int index = 0; index < ParameterCount; ++index) {
        detail::forEachParameterRow(index,
                                    [&](const ControlDesign& design) { table[next++] = design; });
    }
    return table;
}();

// The row of the control of that name, or -1.
constexpr int designIndex(std::string_view name) {
    for (int i = 0; i < ControlCount; ++i) {
        if (ControlTable[i].name == name) {
            return i;
        }
    }
    return -1;
}

// Whether `name` is a designed control or a button of a designed option array ("Name(i)").
constexpr bool isDesignedName(std::string_view name) {
    if (designIndex(name) >= 0) {
        return true;
    }
    const std::size_t open = name.rfind('(');
    if (open == std::string_view::npos || name.size() != open + 3 || name.back() != ')') {
        return false;
    }
    const int index = designIndex(name.substr(0, open));
    if (index < 0 || ControlTable[index].kind != ControlKind::OptionGroup) {
        return false;
    }
    int buttons = 1;
    for (const char c : ControlTable[index].items) {
        buttons += c == '|' ? 1 : 0;
    }
    return name[open + 1] >= '0' && name[open + 1] < '0' + buttons;
}

}  // namespace rotaline
