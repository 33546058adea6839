#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QTest>
#include <chrono>
#include <string>

#include "platform/QtSerialPort.h"
#include "pty/PseudoTerminal.h"
#include "support/FormFixture.h"

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

// The pseudo-terminals a PtyForm's COM numbers lead to.
struct PtyLines {
    PseudoTerminal adapter;
    QHash<int, QString> devices;
};

// The programmer's form, its lists filled, on the real serial port: COMn leads to `devices[n]`
// when that is named and to `adapter` otherwise.
struct PtyForm : PtyLines, FormOn<QtSerialPort> {
    PtyForm() : FormOn([this](int n) { return devices.value(n, pathOf(adapter)); }) {
        form.FillValueLists();
    }
    QByteArray heard(std::chrono::milliseconds timeout = std::chrono::milliseconds(1000)) {
        return bytesOf(adapter.read(timeout));
    }
};

}  // namespace rotaline::testing
