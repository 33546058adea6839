#pragma once

#include <QString>

namespace rotaline {

class Control;

// A caption as text for widgets that read "&" as the access-key mark (buttons, groups, menus).
QString markedText(const Control& control);
// A caption as a plain label shows it.
QString labelText(const Control& control);
// A text box's text as lines: CR LF and single CRs or LFs each end one line, and a run
// without line ends is shown on lines of at most MaxShownLine characters. `lineLength` is the
// length of the line the text continues, and is left at the length of the last line shown.
inline constexpr int MaxShownLine = 1024;
QString displayedText(const QString& text, int& lineLength);

}  // namespace rotaline
