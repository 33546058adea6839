#pragma once

#include <QString>

namespace rotaline {

class Control;

// A caption as text for widgets that read "&" as the access-key mark (buttons, groups, menus).
QString markedText(const Control& control);
// A caption as a plain label shows it.
QString labelText(const Control& control);
// A text box's text as lines: CR LF and single CRs or LFs each end one line.
QString displayedText(const QString& text);

}  // namespace rotaline
