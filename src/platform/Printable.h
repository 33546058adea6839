#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <QStringList>

namespace rotaline {

// Text from outside (a device's own strings, sysfs, a process's name, the journal, file and
// device names) as it may be shown in a terminal, a label or a table: control characters
// written out ("\x1b", "\n"), and so are the ones that break a line or turn the writing
// direction, so nothing it holds acts on the screen.
QString printable(const QString& text);

// `text` with "%1".."%9" each replaced by that word made printable, in one pass, so that a word
// holding "%1" itself stays as it is. Every sentence that names something from outside is
// filled by it.
QString filled(const QString& text, const QStringList& words);

// The document as JSON whose strings hold no character `printable` writes out: those Qt leaves
// as they are (C1 controls, the direction marks, the line and paragraph separators) are
// written as \uXXXX, so a terminal or a viewer shows the JSON as it is.
QByteArray printableJson(const QJsonDocument& document,
                         QJsonDocument::JsonFormat format = QJsonDocument::Indented);

}  // namespace rotaline
