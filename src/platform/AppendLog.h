#pragma once

#include <QByteArray>
#include <QString>

namespace rotaline {

// A log of whole lines that several processes append to at once. Each line goes out in one
// write under a lock shared with every other writer, so lines never interleave; a line torn
// by a writer killed mid-write is ended before the next one, so it spoils nothing after it.
// Once the log passes `bound` bytes it becomes `path` + ".1" (the older one dropped), so the
// two files together stay within twice the bound and one line.
//
// False with the system's reason in `error` when the line could not be written.
bool appendLogLine(const QString& path, const QByteArray& line, qint64 bound, QString* error);

// The per-user folder for this program's logs: $XDG_STATE_HOME/Rotaline (~/.local/state/Rotaline)
// on Linux, %LOCALAPPDATA%\Rotaline on Windows.
QString userLogFolder();

// The log's lines, oldest first, the older file's before the newer's; a last line without its
// line end is left out.
QList<QByteArray> readLogLines(const QString& path);

}  // namespace rotaline
