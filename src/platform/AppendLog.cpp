#include "platform/AppendLog.h"

#include <QFile>

namespace rotaline {

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QList<QByteArray> readLogLines(const QString& path) {
    QList<QByteArray> lines;
    for (const QString& file : {path + QStringLiteral(".1"), path}) {
        QList<QByteArray> pieces = contents(file).split('\n');
        pieces.removeLast();  // empty after a whole last line, torn otherwise
        lines += pieces;
    }
    return lines;
}

}  // namespace rotaline
