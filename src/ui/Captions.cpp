#include "ui/Captions.h"

#include "model/FixedTexts.h"
#include "window/controls/Control.h"

namespace rotaline {

namespace {

qsizetype breakOf(const QString& text) {
    const qsizetype space = text.lastIndexOf(' ', text.size() / 2 + 2);
    if (space > 0) {
        return space;
    }
    for (const fixed::WordBreak& known : fixed::WordBreaks) {
        if (text == QString::fromUtf8(known.caption)) {
            return known.firstLine;
        }
    }
    return text.indexOf(' ');
}

}  // namespace

QString fittedText(const QString& text, const QFontMetrics& metrics, int width) {
    const QString trimmed = text.trimmed();
    const qsizetype cut = breakOf(trimmed);
    if (metrics.horizontalAdvance(text) <= width || cut <= 0) {
        return text;
    }
    return trimmed.left(cut).trimmed() + '\n' + trimmed.mid(cut).trimmed();
}

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
