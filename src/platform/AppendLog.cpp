#include "platform/AppendLog.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <memory>

#include "platform/OpenFile.h"
#include "platform/RegularFiles.h"

namespace rotaline {

namespace {

bool endsTorn(const OpenFile& log) {
    int error = 0;
    return log.size() > 0 && log.read(log.size() - 1, 1, &error) != "\n" && error == 0;
}

// Every writer opens the log afresh under the lock of a file beside it, so none holds a file
// renamed away; the log itself is opened for appending only, so each write lands at its end.
// The reason the line was not written, "" when it was.
QString appendToLog(const QString& path, const QByteArray& line, qint64 bound) {
    const QString older = path + QStringLiteral(".1");
    const FileLock lock(path + QStringLiteral(".lock"), LockWait);
    if (!lock.held()) {
        return fileReason(lock.problem());
    }
    auto log = std::make_unique<OpenFile>(path, system::Open::Append);
    // Past the bound only when renaming it failed after the last line: now or never.
    if (log->isOpen() && log->size() > bound) {
        log->close();
        if (const int problem = system::renameOver(path, older)) {
            return QStringLiteral("It is full and cannot be rotated: ") + fileReason(problem);
        }
        log = std::make_unique<OpenFile>(path, system::Open::Append);
    }
    const QByteArray bytes = log->isOpen() && endsTorn(*log) ? '\n' + line : line;
    const int problem = log->isOpen() ? system::appendAll(log->handle(), bytes) : log->problem();
    if (problem != 0) {
        return fileReason(problem);
    }
    log->close();
    // The line is written: a rename that fails here is tried again by the next line.
    if (log->size() + bytes.size() > bound) {
        system::renameOver(path, older);
    }
    return {};
}

}  // namespace

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
    *error = appendToLog(path, line, bound);
    return error->isEmpty();
}

QByteArray readLogTail(const QString& file, qint64 limit, bool* cut, QString* reason) {
    const OpenFile log(file, system::Open::ReadOneName);
    int unread = 0;
    *cut = log.size() > limit;
    const QByteArray bytes =
        log.read(*cut ? log.size() - limit : 0, std::min(log.size(), limit), &unread);
    const int problem = log.problem() == FileProblem::NoSuchFile ? unread : log.problem();
    *reason = problem != 0 ? fileReason(problem) : QString();
    return *cut ? bytes.mid(bytes.indexOf('\n') + 1) : bytes;
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
