#include "ui/Captions.h"

#include "window/controls/Control.h"

namespace rotaline {

QString markedText(const Control& control) {
    QString text = control.caption();
    return control.captionHasAccessKeys() ? text : text.replace('&', QStringLiteral("&&"));
}

QString labelText(const Control& control) {
    const QString& caption = control.caption();
    if (!control.captionHasAccessKeys()) {
        return caption;
    }
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    return text;
}

QString displayedText(const QString& text, ShownLine& line) {
    QString shown;
    shown.reserve(text.size() + text.size() / MaxShownLine + 1);
    for (QChar c : text) {
        const bool lf = c == '\n';
        const bool joined = lf && line.afterCr;
        line.afterCr = c == '\r';
        if (lf || line.afterCr) {
            if (!joined) {
                shown += '\n';
            }
            line.length = 0;
            continue;
        }
        if (++line.length > MaxShownLine) {
            shown += '\n';
            line.length = 1;
        }
        shown += c;
    }
    return shown;
}

}  // namespace rotaline
