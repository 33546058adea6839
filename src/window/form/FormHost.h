#pragma once

#include <QString>
#include <functional>

#include "model/Languages.h"

namespace rotaline {

// What the form asks of the window that shows it. Without a window (the headless tool, most
// tests) nothing is shown or unloaded, and waiting runs an event loop of its own.
class FormHost {
public:
    // A text in the language the window speaks, said again after each switch.
    using Say = std::function<QString(const Language& language)>;

    virtual ~FormHost() = default;
    // Shows the About dialog without waiting for it.
    virtual void showAbout() {}
    // Shows the user guide, in the language the window speaks.
    virtual void showGuide() {}
    // Shows where serial adapters get their COM numbers.
    virtual void showAdapters() {}
    // Shows what each controller was left with, from the journal.
    virtual void showJournal() {}
    // Prints the setup sheet of the settings shown, or exports it as PDF.
    virtual void printSheet() {}
    virtual void exportSheet() {}
    // The window is to be unloaded (exit).
    virtual void unload() {}
    // Waits the given time while the user interface goes on handling events.
    virtual void waitProcessingEvents(int milliseconds);
    // Bytes were handed to the line: its status is worth showing until it is idle.
    virtual void lineBusy() {}
    // Every byte handed over has left the line.
    virtual void lineCarried() {}
    // Says `text` where the line's state is shown, until the line is busy again.
    virtual void showStatus(const Say& text) { static_cast<void>(text); }
    // A port could not be used: why, and how to fix it.
    virtual void portProblem(const Say& help) { showStatus(help); }
    // The settings shown come from the file `path`, opened or saved last ("": none), and
    // `changed` since.
    virtual void fileShown(const QString& path, bool changed) {
        static_cast<void>(path);
        static_cast<void>(changed);
    }
    // Qt's own texts (standard buttons, file dialogs) speak this language from now on.
    virtual void useLanguage(const Language& language) { static_cast<void>(language); }
};

}  // namespace rotaline
