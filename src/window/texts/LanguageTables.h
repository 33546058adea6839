#pragma once

#include <array>

#include "window/texts/Texts.h"

namespace rotaline {

// A caption the language switch sets, in the language it switches to.
struct CaptionRow {
    const char* control;
    const char* text;
    bool accessKeys = false;  // "&X" marks X as the access key
};

// Menus, then the port group and buttons: set before the tabs. The Language menu's items follow
// its own caption, each named in its own language.
inline constexpr std::array<CaptionRow, 19> LeadingCaptions{{
    {"mnuFile", QT_TRANSLATE_NOOP("LanguageSwitch", "File")},
    {"mnuOpen", QT_TRANSLATE_NOOP("LanguageSwitch", "Open...")},
    {"mnuSave", QT_TRANSLATE_NOOP("LanguageSwitch", "Save...")},
    {"mnuAdapters", QT_TRANSLATE_NOOP("LanguageSwitch", "Serial adapters...")},
    {"mnuSendAll", QT_TRANSLATE_NOOP("LanguageSwitch", "Send all settings again(&A)"), true},
    {"mnuHistory", QT_TRANSLATE_NOOP("LanguageSwitch", "History...(&H)"), true},
    {"mnuPrintSheet", QT_TRANSLATE_NOOP("LanguageSwitch", "Print setup sheet...(&P)"), true},
    {"mnuExportSheet", QT_TRANSLATE_NOOP("LanguageSwitch", "Export setup sheet as PDF...(&D)"),
     true},
    {"mnuExit", QT_TRANSLATE_NOOP("LanguageSwitch", "Exit")},
    {"mnuEdit", QT_TRANSLATE_NOOP("LanguageSwitch", "Edit")},
    {"mnuUndo", QT_TRANSLATE_NOOP("LanguageSwitch", "Undo(&U)"), true},
    {"mnuRedo", QT_TRANSLATE_NOOP("LanguageSwitch", "Redo(&R)"), true},
    {"mnuLanguage", QT_TRANSLATE_NOOP("LanguageSwitch", "Langage")},
    {"mnuHelp", QT_TRANSLATE_NOOP("LanguageSwitch", "Help")},
    {"mnuHow", QT_TRANSLATE_NOOP("LanguageSwitch", "How to Use...")},
    {"mnuAbout", QT_TRANSLATE_NOOP("LanguageSwitch", "About...")},
    {"FrameSelectCom", QT_TRANSLATE_NOOP("LanguageSwitch", "COM port Select")},
    {"CommandSetFactory", QT_TRANSLATE_NOOP("LanguageSwitch", "Factory Default")},
    {"CommandClear", QT_TRANSLATE_NOOP("LanguageSwitch", "Clear Note")},
}};

// The model group of every tab page; the parameters' captions stand in the parameter table.
inline constexpr const char* PageGroupCaption = QT_TRANSLATE_NOOP("LanguageSwitch", "ESC Type");

inline constexpr TextContext SwitchTexts{"LanguageSwitch"};

namespace texts {
inline constexpr const char* SwitchQuestion = QT_TRANSLATE_NOOP(
    "LanguageSwitch",
    "Software will be changed into english version,all of the setting must be reset,");
inline constexpr const char* SwitchQuestionEnd =
    QT_TRANSLATE_NOOP("LanguageSwitch", "Do you want to countiune?");
inline constexpr const char* SwitchNote = QT_TRANSLATE_NOOP("LanguageSwitch", "Language:English");
}  // namespace texts

}  // namespace rotaline
