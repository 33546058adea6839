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
    QString platform;               // Qt's -platform option, as given
};

// Exit status for a command line the programmer cannot follow.
inline constexpr int CommandLineStatus = 2;

// `arguments` as the program got them, its own name first. Qt's own options (-platform,
// -style, …) are let through to Qt.
StartRequest readCommandLine(const QStringList& arguments);

// Said, with status 1, when the window would find no display to show on.
inline constexpr const char* NoDisplay =
    "rotaline: no display; set DISPLAY or WAYLAND_DISPLAY, or run it from a desktop session\n";
inline constexpr int NoDisplayStatus = 1;

// Whether Qt's platform `platform` (or QT_QPA_PLATFORM, or the desktop's default) has a display
// to reach: the desktop ones need DISPLAY or WAYLAND_DISPLAY, offscreen and the like none.
bool displayFor(const QString& platform);

}  // namespace rotaline
