#pragma once

#include <QList>
#include <QString>
#include <utility>

#include "link/ProgrammingLink.h"
#include "support/FakeSerialPort.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "window/form/MainForm.h"

namespace rotaline::testing {

// Text in double quotes, with CR, LF, other control characters, quotes and backslashes escaped.
QString quoted(const QString& text);

// The programmer's form on `Port`, answered from a script, its settings in memory.
template <class Port>
struct FormOn {
    Port port;
    ProgrammingLink link{port};
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MainForm form{link, dialogs, settings};
    Controls& controls = form.controls();

    template <class... Args>
    explicit FormOn(Args&&... args) : port(std::forward<Args>(args)...) {}
    QString note() const { return controls.Text1->text(); }
    // For tables of tests that name their control.
    Control& control(const QString& name) { return *form.find(name); }
    ComboList& list(const QString& name) { return dynamic_cast<ComboList&>(control(name)); }
    OptionGroup& options(const QString& name) { return dynamic_cast<OptionGroup&>(control(name)); }
};

// A form on a serial double: with its lists filled, started up as the window starts (COM1
// selected, its handshake forgotten), or just made, before the window's start-up.
struct FormFixture : FormOn<FakeSerialPort> {
    enum class Start { ListsFilled, Loaded, Made };

    explicit FormFixture(Start start = Start::ListsFilled) {
        if (start == Start::Loaded) {
            form.Form_Load();
            port.clearWritten();
        } else if (start == Start::ListsFilled) {
            form.FillValueLists();
        }
    }

    // Switches language as the user does, answering Yes, and forgets what that wrote, showed
    // and noted; the language shown stays as it is.
    void switchTo(const Language& language) {
        if (form.flags().language == &language) {
            return;
        }
        dialogs.nextAnswer(Dialogs::Answer::Yes);
        form.switchLanguage(language);
        port.clearWritten();
        dialogs.clear();
        controls.Text1->setText(QString());
    }
    void switchToChinese() { switchTo(Chinese); }

    QList<int> wire() const {
        QList<int> bytes;
        for (char byte : port.written()) {
            bytes << static_cast<unsigned char>(byte);
        }
        return bytes;
    }
    // What the user can see and the controller is told: every control's visibility, enabling,
    // selection, entries and unsent mark, the lamp's help, every slot and its flag, the link's
    // readiness, the settings not sent, the note and the trace; a line each, "name: state".
    QStringList state();
    QString trace() const { return controls.Text2->text(); }
    // Does a step as a user does it: "set NAME N" (an option, entry, value or tab), "pick NAME
    // TEXT" (a list's entry by its text), "click NAME", "answer yes|no" (for the next box),
    // "fail write" (the next write); false for any other step.
    bool apply(const QString& step);
};

}  // namespace rotaline::testing
