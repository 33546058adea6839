#pragma once

#include <QFontMetrics>
#include <QString>

namespace rotaline {

class Control;

// A caption as text for widgets that read "&" as the access-key mark (buttons, groups, menus).
QString markedText(const Control& control);
// A caption as a plain label shows it.
QString labelText(const Control& control);
// A caption on two lines when one is too wide for `width`: broken at the space nearest its
// middle, or where a caption without spaces has a break between words; else left as it is.
QString fittedText(const QString& text, const QFontMetrics& metrics, int width);
// Where shown text stands: the length of its last line, and whether it ended in a CR (so that
// an LF starting the next piece belongs to the same line end).
struct ShownLine {
    int length = 0;
    bool afterCr = false;
};

// A text box's text as lines: CR LF and single CRs or LFs each end one line, also when a CR LF
// is split between two pieces, and a run without line ends is shown on lines of at most
// MaxShownLine characters. `line` says where the text continues and is left at its end.
inline constexpr int MaxShownLine = 1024;
QString displayedText(const QString& text, ShownLine& line);

}  // namespace rotaline
