#include "platform/AppendLog.h"

#include <QDir>
#include <QFileInfo>

namespace rotaline {

bool appendLogLine(const QString& path, const QByteArray& line, qint64 bound, QString* error) {
    if (path.isEmpty()) {
        *error = QString::fromLatin1(NoLogFolder);
        return false;
    }
    if (line.size() > bound) {
        *error = QStringLiteral("A line is longer than the file may grow.");
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot make the folder ") + QFileInfo(path).absolutePath();
        return false;
    }
    return appendToLog(path, line, bound, error);
}

QList<QByteArray> readLogLines(const QString& path, qint64 bound, LogTrouble* trouble) {
    QList<QByteArray> lines;
    for (const QString& file : {path + QStringLiteral(".1"), path}) {
        bool cut = false;
        QString reason;
        QList<QByteArray> pieces = readLogTail(file, 2 * bound, &cut, &reason).split('\n');
        pieces.removeLast();  // empty after a whole last line, torn otherwise
        lines += pieces;
        if (!reason.isEmpty() && trouble->unreadFile.isEmpty()) {
            trouble->unreadFile = file;
            trouble->reason = reason;
        }
        if (cut && trouble->cutFile.isEmpty()) {
            trouble->cutFile = file;
            trouble->readBytes = 2 * bound;
        }
    }
    return lines;
}

}  // namespace rotaline
