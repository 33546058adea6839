#pragma once

#include <QString>

#include "model/Languages.h"
#include "model/LineClock.h"

namespace rotaline {

// What the status bar says of the line.
struct LineStatus {
    QString text;
    int percent = 100;  // of the current run that has left
    bool busy = false;
};

// What the line has carried since the port was chosen, beyond the clock's count of bytes.
struct LineRecord {
    bool handshakeOnly = false;
    int unsent = 0;       // settings stored that could not be written
    bool sendAll = true;  // File > Send all settings again can send them; otherwise a model first
    QString advice;       // on what the controller works out itself, once it has every setting
};

// "Sending to COM1… 23 messages left (0.8 s)" while bytes are on the line; then, by priority,
// "2 settings not sent to the controller — File > Send all settings again", "Handshake sent to
// COM1" or "All settings sent to COM1 at 17:08:27" followed by the advice; nothing before the
// first byte.
LineStatus lineStatusOf(const LineClock& line, const QString& port, const Language& language,
                        const LineRecord& record = {},
                        LineClock::Clock::time_point now = LineClock::Clock::now());

// "2 settings not sent to the controller — File > Send all settings again", or "— choose the
// model first" while that command waits for a model.
QString unsentText(int count, bool sendAll, const Language& language);

// "COM1 is back — 3 settings not sent: File > Send all settings again", once the adapter of
// the COM number chosen returns after a send found it gone.
QString backText(const QString& port, int unsent, bool sendAll, const Language& language);

// The window that waits for the line when the program ends.
QString finishingText(const Language& language);
QString quitNowText(const Language& language);
QString closeText(const Language& language);

}  // namespace rotaline
