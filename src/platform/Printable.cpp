#include "platform/Printable.h"

namespace rotaline {

namespace {

bool turnsDirection(char16_t c) {
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool breaksLine(QChar c) {
    return c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

}  // namespace

QString printable(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\n' || code == u'\r' || code == u'\t') {
            shown += code == u'\n'   ? QStringLiteral("\\n")
                     : code == u'\r' ? QStringLiteral("\\r")
                                     : QStringLiteral("\\t");
        } else if (c.category() == QChar::Other_Control) {
            shown += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
        } else if (breaksLine(c) || turnsDirection(code)) {
            shown += QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return shown;
}

QString filled(const QString& text, const QStringList& words) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() && text[i] == '%' ? text[i + 1].digitValue() : -1;
        if (n >= 1 && n <= words.size()) {
            out += printable(words[n - 1]);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Qt writes the controls below U+0020 inside strings as \uXXXX already, so one left is the
// document's own line end; whatever else needs it can only stand inside a string.
QByteArray printableJson(const QJsonDocument& document, QJsonDocument::JsonFormat format) {
    const QString json = QString::fromUtf8(document.toJson(format));
    QString out;
    out.reserve(json.size());
    for (const QChar c : json) {
        const bool control = c.category() == QChar::Other_Control && c.unicode() >= 0x20;
        if (control || breaksLine(c) || turnsDirection(c.unicode())) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out.toUtf8();
}

}  // namespace rotaline
