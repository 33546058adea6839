#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <chrono>

namespace rotaline {

// A log of whole lines that several processes append to at once. Each line goes out in one
// write under a lock shared with every other writer, so lines never interleave; a line torn
// by a writer killed mid-write is ended before the next one, so it spoils nothing after it.
// Once the log passes `bound` bytes it becomes `path` + ".1" (the older one dropped), so each
// file holds at most the bound and one line; a line longer than the bound is refused. While
// that renaming fails the log takes no more lines rather than grow past the bound.
// Only a regular file of one name is written: a link (symbolic or hard), a pipe or a device in
// its place is refused before anything waits on it or is written through it. Another writer's
// lock is waited for no longer than LockWait: a writer holds it for one write, so only a
// program that keeps it (hung, or stopped) is waited out, and the line is then given up.
//
// False with the reason in `error` when the line was not written.
bool appendLogLine(const QString& path, const QByteArray& line, qint64 bound, QString* error);

inline constexpr std::chrono::milliseconds LockWait{500};
inline constexpr const char* LockHeldReason = "Another program holds its lock.";
inline constexpr const char* HardLinkedReason = "It has another name (a hard link).";
// Why a log at "" (no folder for it, as userLogFolder says) is neither written nor read.
inline constexpr const char* NoLogFolder =
    "There is no folder for it: HOME is not set to an absolute folder.";

// The per-user folder for this program's logs: $XDG_STATE_HOME/Rotaline (~/.local/state/Rotaline)
// on Linux, %LOCALAPPDATA%\Rotaline on Windows; "" when there is no such folder (HOME unset,
// empty or relative).
QString userLogFolder();

// What kept a log from being read whole: a file of it that could not be read and why, and a
// file longer than its writers make one, of which only the end was read.
struct LogTrouble {
    QString unreadFile;
    QString reason;
    QString cutFile;
    qint64 readBytes = 0;  // what was read of it
};

// The log's lines, oldest first, the older file's before the newer's; a last line without its
// line end is left out. Of each file only the last twice `bound` bytes are read, as much as a
// writer bounded so leaves, and nothing but a regular file; links are not followed.
QList<QByteArray> readLogLines(const QString& path, qint64 bound, LogTrouble* trouble);

// The last `limit` bytes of one file of a log from its first whole line on, `cut` when there was
// more; nothing, and no reason, when there is no such file. A link, a pipe or a device is not
// read, and the reason says why.
QByteArray readLogTail(const QString& file, qint64 limit, bool* cut, QString* reason);

}  // namespace rotaline
