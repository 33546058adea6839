#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rotaline {

// Keeps a standard output or error that was closed when the program started from being taken
// by a file it opens; printing to it then fails. Called first.
void guardOutput();

// Writes to standard output at once; after a failure nothing more.
void printOut(const QByteArray& bytes);
// Each line and a line end.
void printLines(const QStringList& lines);
// A line on standard error, whatever becomes of it.
void printError(const QString& line);

// The system's reason the first write to standard output failed, "" when all reached it.
QString outputError();

}  // namespace rotaline
