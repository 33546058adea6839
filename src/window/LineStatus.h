#pragma once

#include <QString>

#include "model/LineClock.h"

namespace rotaline {

// What the status bar says of the line.
struct LineStatus {
    QString text;
    int percent = 100;  // of the current run that has left
    bool busy = false;
};

// "Sending to COM1… 23 messages left (0.8 s)" while bytes are on the line, then "All settings
// sent to COM1 at 17:08:27"; nothing before the first byte.
LineStatus lineStatusOf(const LineClock& line, const QString& port, bool chinese,
                        LineClock::Clock::time_point now = LineClock::Clock::now());

// The window that waits for the line when the program ends.
QString finishingText(bool chinese);
QString quitNowText(bool chinese);

}  // namespace rotaline
