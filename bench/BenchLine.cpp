// On the 300-baud line model: for a model choice, a file load and the Chinese switch, the line
// time of the bytes, the time until the last byte has left, the program's overhead beside the
// line time, the longest wait on the window's thread, and the bytes garbled.
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>

#include "platform/QtSerialPort.h"
#include "pty/PseudoTerminal.h"
#include "support/LineLog.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "window/MainForm.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

namespace {

struct Figures {
    int bytes = 0;
    LineLog line;
};

void waitForIdle(SerialPort& port) {
    if (port.isDraining()) {
        QEventLoop loop;
        QObject::connect(&port, &SerialPort::lineIdle, &loop, &QEventLoop::quit);
        QTimer::singleShot(30s, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void measure(const char* what, const std::function<void(MainForm&, ScriptedDialogs&)>& step,
             const QString& folder) {
    PseudoTerminal adapter;
    const QString device = QString::fromStdString(adapter.slavePath());
    const QString log = folder + QStringLiteral("/line.log");
    QFile::remove(log);
    qputenv("ROTALINE_LINE_DEVICE", device.toLocal8Bit());
    qputenv("ROTALINE_LINE_LOG", log.toLocal8Bit());
    QtSerialPort port([&device](int) { return device; });
    ProgrammingLink link(port);
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MainForm form(link, dialogs, settings);
    form.Form_Load();
    link.close();
    waitForIdle(port);
    adapter.read(100ms);
    QFile::remove(log);

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestGap = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    heartbeat.start(5);
    clock.start();
    step(form, dialogs);
    link.close();
    waitForIdle(port);
    const double untilIdle = clock.nsecsElapsed() / 1e6;
    heartbeat.stop();
    dialogs.clear();

    Figures figures;
    figures.bytes = static_cast<int>(adapter.read(200ms).size());
    figures.line = LineLog::read(log);
    const double lineTime = figures.bytes * 11 * 1000.0 / 300;
    std::printf(
        "%-16s %4d bytes  line %7.1f ms  last byte left %7.1f ms  overhead %5.2f %%  "
        "longest wait %3lld ms (model %d ms)  garbled %d\n",
        what, figures.bytes, lineTime, untilIdle, 100 * (untilIdle - lineTime) / lineTime,
        static_cast<long long>(longestGap), figures.line.longestMainWait, figures.line.garbled);
}

}  // namespace

int main(int argc, char** argv) {
    // The figures need the line model; start again with it loaded.
    if (qEnvironmentVariableIsEmpty("LD_PRELOAD")) {
        setenv("LD_PRELOAD", SLOW_LINE, 1);
        execv("/proc/self/exe", argv);
        return 1;
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("start.esc"));
    writeStartUpFile(file);
    measure(
        "model choice",
        [](MainForm& form, ScriptedDialogs&) { form.controls().ComboCTRmodel[0]->setListIndex(1); },
        dir.path());
    measure(
        "file load", [&file](MainForm& form, ScriptedDialogs&) { form.LoadSettingsFile(file); },
        dir.path());
    measure(
        "Chinese switch",
        [](MainForm& form, ScriptedDialogs& dialogs) {
            dialogs.nextAnswer(Dialogs::Answer::Yes);
            form.mnuChinese_Click();
        },
        dir.path());
    return 0;
}
