#pragma once

#include <QFile>
#include <QMetaType>
#include <QRegularExpression>
#include <QStringList>
#include <QSysInfo>
#include <QTest>
#include <utility>

namespace rotaline::testing {

// The words of a text, split at blanks; a word in double quotes keeps its blanks and has the
// escapes of C: \n, \r, \", \\, \xHH and \uHHHH.
inline QStringList wordsOf(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\"|(\\S+)"));
    static const QRegularExpression escape(QStringLiteral("\\\\(x..|u....|.)"));
    QStringList words;
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        QString plain = match.captured(2), quoted = match.captured(1);
        qsizetype at = 0;
        for (const QRegularExpressionMatch& e : escape.globalMatch(quoted)) {
            const QString code = e.captured(1);
            plain += quoted.mid(at, e.capturedStart() - at) +
                     (code.size() > 1 ? QChar(code.mid(1).toUShort(nullptr, 16))
                      : code == u"n"  ? QChar('\n')
                      : code == u"r"  ? QChar('\r')
                                      : code[0]);
            at = e.capturedEnd();
        }
        words << plain + quoted.mid(at);
    }
    return words;
}

// A row of a reviewed data file under tests/data: "== title" begins it, and each line below is a
// key and the rest of the line, "KEY REST". Lines starting with "#" are comments.
struct DataRow {
    QString title;
    QList<std::pair<QString, QString>> lines;

    QStringList values(const QString& key) const {
        QStringList all;
        for (const auto& [given, rest] : lines) {
            all << (given == key ? QStringList{rest} : QStringList{});
        }
        return all;
    }
    QString value(const QString& key) const { return values(key).value(0); }
    // The first word of the key's line, on Windows of its "-windows" twin where the row has one.
    QString text(const QString& key) const {
        const bool twin =
            values(key + "-windows").size() > 0 && QSysInfo::productType() == "windows";
        return wordsOf(value(twin ? key + "-windows" : key)).value(0);
    }
};

inline QList<DataRow> dataRows(const QString& path) {
    QFile file(path);
    QList<DataRow> rows;
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    for (const QString& line : QString::fromUtf8(bytes).split('\n')) {
        if (line.startsWith(QLatin1String("== "))) {
            rows.append({line.mid(3), {}});
        } else if (!rows.isEmpty() && !line.isEmpty() && !line.startsWith('#')) {
            rows.last().lines.append({line.section(' ', 0, 0), line.section(' ', 1)});
        }
    }
    return rows;
}

}  // namespace rotaline::testing

Q_DECLARE_METATYPE(rotaline::testing::DataRow)

namespace rotaline::testing {

// The rows of a data file as the rows of a data-driven test, each whole in `column`.
inline void addDataRows(const char* column, const QString& path) {
    QTest::addColumn<DataRow>(column);
    for (const DataRow& row : dataRows(path)) {
        QTest::newRow(qPrintable(row.title)) << row;
    }
}

}  // namespace rotaline::testing
