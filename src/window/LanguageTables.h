#pragma once

#include <array>

#include "window/Texts.h"

namespace rotaline {

// A caption the language switch sets, in both languages.
struct CaptionRow {
    const char* control;
    Bilingual text;
    bool accessKeys = false;  // "&X" marks X as the access key
};

// Menus, then the port group and buttons: set before the tabs.
inline constexpr std::array<CaptionRow, 21> LeadingCaptions{{
    {"mnuFile", {"File", "文件"}},
    {"mnuOpen", {"Open...", "打开..."}},
    {"mnuSave", {"Save...", "保存..."}},
    {"mnuAdapters", {"Serial adapters...", "串口适配器..."}},
    {"mnuSendAll", {"Send all settings again(&A)", "重新发送全部设置(&A)"}, true},
    {"mnuHistory", {"History...(&H)", "历史记录...(&H)"}, true},
    {"mnuPrintSheet", {"Print setup sheet...(&P)", "打印设置单...(&P)"}, true},
    {"mnuExportSheet", {"Export setup sheet as PDF...(&D)", "导出设置单为 PDF...(&D)"}, true},
    {"mnuExit", {"Exit", "退出"}},
    {"mnuEdit", {"Edit", "编辑"}},
    {"mnuUndo", {"Undo(&U)", "撤销(&U)"}, true},
    {"mnuRedo", {"Redo(&R)", "重做(&R)"}, true},
    {"mnuLanguage", {"Langage", "语言"}},
    {"mnuChinese", {"中文", "中文"}},
    {"mnuEnglish", {"English", "English"}},
    {"mnuHelp", {"Help", "帮助"}},
    {"mnuHow", {"How to Use...", "怎样使用..."}},
    {"mnuAbout", {"About...", "关于..."}},
    {"FrameSelectCom", {"COM port Select", "COM口选取"}},
    {"CommandSetFactory", {"Factory Default", "恢复工厂默认值"}},
    {"CommandClear", {"Clear Note", "清除记录"}},
}};

// The model group of every tab page; the parameters' captions stand in the parameter table.
inline constexpr Bilingual PageGroupCaption{"ESC Type", "ESC 型号"};

namespace texts {
inline constexpr Bilingual SwitchQuestion{
    "Software will be changed into english version,all of the setting must be reset,",
    "软件将切换为中文版本，所有的设置都必须重新设定，"};
inline constexpr Bilingual SwitchQuestionEnd{"Do you want to countiune?", "要继续吗？"};
inline constexpr Bilingual SwitchNote{"Language:English", "语言:中文"};
}  // namespace texts

}  // namespace rotaline
