#pragma once

#include <QByteArray>
#include <QStringList>

namespace rotaline {

// Keeps a standard output that was closed when the program started from being taken by a file
// it opens; printing to it then fails. Called first.
void guardOutput();

// Writes to standard output at once; after a failure nothing more.
void printOut(const QByteArray& bytes);
// Each line and a line end.
void printLines(const QStringList& lines);

// The system's error of the first write that failed, 0 when all reached standard output.
int outputError();

}  // namespace rotaline
