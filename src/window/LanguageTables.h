#pragma once

#include <array>

#include "window/Texts.h"

namespace rotaline {

// A caption the language switch sets, in both languages.
struct CaptionRow {
    const char* control;
    Bilingual text;
};

// Menus, then the port group and buttons: set before the tabs.
extern const std::array<CaptionRow, 13> LeadingCaptions;
// The tab strip's tabs, set by selecting each in turn.
extern const std::array<Bilingual, 4> TabCaptions;
// The model groups of the tab pages, then every parameter group row by row.
extern const std::array<CaptionRow, 59> GroupCaptions;

namespace texts {
inline constexpr Bilingual SwitchQuestion{
    "Software will be changed into english version,all of the setting must be reset,",
    "软件将切换为中文版本，所有的设置都必须重新设定，"};
inline constexpr Bilingual SwitchQuestionEnd{"Do you want to countiune?", "要继续吗？"};
inline constexpr Bilingual SwitchNote{"Language:English", "语言:中文"};
}  // namespace texts

}  // namespace rotaline
