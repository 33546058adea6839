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

QString displayedText(const QString& text, int& lineLength) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace('\r', '\n');
    QString shown;
    shown.reserve(lines.size() + lines.size() / MaxShownLine + 1);
    for (QChar c : lines) {
        if (c == '\n') {
            lineLength = 0;
        } else if (++lineLength > MaxShownLine) {
            shown += '\n';
            lineLength = 1;
        }
        shown += c;
    }
    return shown;
}

}  // namespace rotaline
