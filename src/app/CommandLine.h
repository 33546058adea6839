#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace rotaline {

// What the command line asks of the programmer: a file to open, or an answer to print and a
// status to end with. Read before any display is needed, so it works without one.
struct StartRequest {
    QString file;                   // absolute, as the file dialog gives it; "" for none
    std::optional<int> exitStatus;  // set: print `text` and end
    QString text;                   // to standard output with status 0, else to standard error
};

// Exit status for a command line the programmer cannot follow.
inline constexpr int CommandLineStatus = 2;

// `arguments` as the program got them, its own name first.
StartRequest readCommandLine(const QStringList& arguments);

}  // namespace rotaline
