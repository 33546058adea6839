#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rotaline {

// What a command-line program takes from the system and gives back: its arguments, its
// standard output and error.

// The arguments after the program's own name, as the user typed them. Windows gives them as
// characters (the wide command line), never through the ANSI code page, whose best fit would
// turn a name such as "ＣＯＭ１" into "COM1" and "飞机.esc" into "??.esc".
QStringList commandLineArguments(int argc, char** argv);

enum class StandardStream { Output, Error };

// Notes which standard streams were closed when the program started and puts the system's null
// device in their place, so that no file the program opens takes one. Called first.
void guardStandardStreams();

// Writes UTF-8 text whole to `stream`: a console shows its characters whatever its code page, a
// file or a pipe receives the bytes themselves. "" when all was written, otherwise the system's
// reason; writing anything to a stream that was closed at the start fails.
QString writeStandard(StandardStream stream, const QByteArray& utf8);

}  // namespace rotaline
