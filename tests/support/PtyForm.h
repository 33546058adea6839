#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QTest>
#include <chrono>
#include <string>

#include "link/ProgrammingLink.h"
#include "platform/QtSerialPort.h"
#include "pty/PseudoTerminal.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "window/form/MainForm.h"

// Skips the running test where the system gives no pseudo-terminals.
#define SKIP_WITHOUT_PTYS()                       \
    if (!::rotaline::PseudoTerminal().isOpen()) { \
        QSKIP("no pseudo-terminals here");        \
    }

namespace rotaline::testing {

inline QByteArray bytesOf(const std::string& text) {
    return QByteArray::fromStdString(text);
}

inline QString pathOf(const PseudoTerminal& terminal) {
    return QString::fromStdString(terminal.slavePath());
}

// Whether the lock file serial programs leave beside each other for a device they hold is there.
inline bool isLocked(const QString& device) {
    const QString lock = "LCK.." + QString(device).remove("/dev/").replace('/', '_');
    return QFile::exists("/var/lock/" + lock) || QFile::exists("/tmp/" + lock);
}

// The programmer's form, its lists filled, on the real serial port: COMn leads to `devices[n]`
// when that is named and to `adapter` otherwise.
struct PtyForm {
    PseudoTerminal adapter;
    QHash<int, QString> devices;
    QtSerialPort port{[this](int n) { return devices.value(n, pathOf(adapter)); }};
    ProgrammingLink link{port};
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MainForm form{link, dialogs, settings};
    Controls& controls = form.controls();

    PtyForm() { form.FillValueLists(); }
    QByteArray heard(std::chrono::milliseconds timeout = std::chrono::milliseconds(1000)) {
        return bytesOf(adapter.read(timeout));
    }
    QString note() const { return controls.Text1->text(); }
    OptionGroup& options(const QString& name) {
        return dynamic_cast<OptionGroup&>(*form.find(name));
    }
};

}  // namespace rotaline::testing
