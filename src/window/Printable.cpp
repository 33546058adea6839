#include "window/Printable.h"

namespace rotaline {

namespace {

bool turnsDirection(char16_t c) {
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
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
        } else if (c.category() == QChar::Separator_Line ||
                   c.category() == QChar::Separator_Paragraph || turnsDirection(code)) {
            shown += QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace rotaline
