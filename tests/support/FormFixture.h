#pragma once

#include <QList>
#include <QString>

#include "link/ProgrammingLink.h"
#include "support/FakeSerialPort.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "window/MainForm.h"

namespace rotaline::testing {

// A form on a serial double: with its lists filled, or started up as the window starts (COM1
// selected, its handshake forgotten).
struct FormFixture {
    enum class Start { ListsFilled, Loaded };

    FakeSerialPort port;
    ProgrammingLink link{port};
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MainForm form{link, dialogs, settings};

    explicit FormFixture(Start start = Start::ListsFilled) {
        if (start == Start::Loaded) {
            form.Form_Load();
            port.clearWritten();
        } else {
            form.FillValueLists();
        }
    }

    // Selects a port as the user would and forgets what that wrote.
    void selectPort(int position) {
        form.get<ComboList>("ComboCOM").setListIndex(position);
        port.clearWritten();
    }
    QList<int> wire() const {
        QList<int> bytes;
        for (char byte : port.written()) {
            bytes << static_cast<unsigned char>(byte);
        }
        return bytes;
    }
    // The bytes written, one decoded message a line.
    QStringList messages() const;
    // Everything a rejected file must leave alone: block, flags and every control's state.
    QString snapshot() const;
    QString note() const { return form.get<TextBox>("Text1").text(); }
    QString trace() const { return form.get<TextBox>("Text2").text(); }
    ComboList& list(const QString& name) const { return form.get<ComboList>(name); }
    OptionGroup& options(const QString& name) const { return form.get<OptionGroup>(name); }
    Control& control(const QString& name) const { return form.get<Control>(name); }
};

}  // namespace rotaline::testing
