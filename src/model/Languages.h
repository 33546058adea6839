#pragma once

#include <string_view>

// Marks a text for the translators' catalogues where it stands (Qt's own macro where Qt is
// included); the text is looked up in the language shown when it is used.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace rotaline {

// A language of the interface. The program's texts are English; every other language is the
// catalogue translations/rotaline_<code>.ts. Adding a language is that file and a row below.
struct Language {
    std::string_view code;  // of its catalogue and of Qt's own texts; "" for English
    std::string_view menuItem;
    std::string_view designedCaption;  // of its menu item at start-up, with the access key
    std::string_view caption;          // of its menu item after a switch
    // Choosing a port or another tab refills the initial-point list in this language.
    bool refillsInitialPoint = false;
    // Its catalogue gives the menus access keys ("&Datei"), and the Language menu's items keep
    // theirs.
    bool menuAccessKeys = false;
};

// In the order of the Language menu.
inline constexpr Language Languages[] = {
    {"zh_CN", "mnuChinese", "中文(&C)", "中文", true},
    {"", "mnuEnglish", "English(&E)", "English"},
    {"de", "mnuGerman", "Deutsch(&D)", "Deutsch", false, true},
};
inline constexpr const Language& Chinese = Languages[0];
inline constexpr const Language& English = Languages[1];
inline constexpr const Language& German = Languages[2];

}  // namespace rotaline
