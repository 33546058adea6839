// On the 300-baud line model, for an adapter whose drain is exact and for one whose chip keeps
// 32 bytes out of the kernel's sight: for the start-up handshake, a model choice followed at once
// by Exit or by a port change, a file load, the Chinese switch and the batch tool (also on a
// stuck adapter, which it gives up two seconds after the line time), the bytes
// handed over and lost, the bytes garbled, the line time, the time until the last byte has left,
// the overhead beside the line time and the longest wait on the window's thread.
#include <stdlib.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>

#include "platform/QtSerialPort.h"
#include "platform/RecordingPort.h"
#include "pty/PseudoTerminal.h"
#include "support/LineLog.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "window/form/MainForm.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

namespace {

struct Adapter {
    const char* kind;
    const char* hiddenBytes;
};
constexpr Adapter Adapters[] = {{"exact drain", "0"}, {"32 hidden", "32"}};

// The modelled adapter and a second, plain one for port changes.
struct Line {
    PseudoTerminal adapter;
    PseudoTerminal other;
    QString device = QString::fromStdString(adapter.slavePath());
    QString log;

    explicit Line(const QString& folder) : log(folder + QStringLiteral("/line.log")) {
        qputenv("ROTALINE_LINE_DEVICE", device.toLocal8Bit());
        qputenv("ROTALINE_LINE_LOG", log.toLocal8Bit());
        QFile::remove(log);
    }
};

struct Figures {
    int handed = 0;
    int heard = 0;
    double untilIdle = 0;  // ms
    qint64 longestGap = 0;
};

void print(const char* what, const Figures& f, const Line& line) {
    const double lineTime = f.heard * 11 * 1000.0 / 300;
    const LineLog log = LineLog::read(line.log);
    std::printf(
        "  %-20s %3d bytes  lost %2d  garbled %2d  line %6.0f ms  idle after %6.0f ms  "
        "overhead %6.2f %%  longest wait %3lld ms\n",
        what, f.handed, f.handed - f.heard, log.garbled, lineTime, f.untilIdle,
        100 * (f.untilIdle - lineTime) / lineTime, static_cast<long long>(f.longestGap));
}

void waitForIdle(SerialPort& port) {
    if (port.isDraining()) {
        QEventLoop loop;
        QObject::connect(&port, &SerialPort::lineIdle, &loop, &QEventLoop::quit);
        QTimer::singleShot(30s, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

using Step = std::function<void(MainForm&, ScriptedDialogs&)>;

// `step` on a form that is started up first unless the step is the start-up itself.
void measure(const char* what, bool startUp, const Step& step, const QString& folder) {
    Line line(folder);
    RecordingPort port(std::make_unique<QtSerialPort>([&line](int n) {
        return n == 2 ? QString::fromStdString(line.other.slavePath()) : line.device;
    }));
    ProgrammingLink link(port);
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MainForm form(link, dialogs, settings);
    if (startUp) {
        form.Form_Load();
        link.close();
        waitForIdle(port);
        line.adapter.read(100ms);
        QFile::remove(line.log);
    } else {
        form.FillValueLists();
    }
    const int before = static_cast<int>(port.written().size());

    Figures figures;
    QElapsedTimer clock;
    qint64 last = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        figures.longestGap = std::max(figures.longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    heartbeat.start(5);
    clock.start();
    step(form, dialogs);
    link.close();
    waitForIdle(port);
    figures.untilIdle = clock.nsecsElapsed() / 1e6;
    heartbeat.stop();
    dialogs.clear();
    figures.handed = static_cast<int>(port.written().size()) - before;
    figures.heard = static_cast<int>(line.adapter.read(200ms).size()) +
                    static_cast<int>(line.other.read(10ms).size());
    print(what, figures, line);
}

void measureTool(const QString& file, const QString& folder) {
    Line line(folder);
    QElapsedTimer clock;
    clock.start();
    QProcess tool;
    tool.start(QStringLiteral(PROGRAM_TOOL), {file, line.device});
    tool.waitForFinished(30000);
    Figures figures;
    figures.untilIdle = clock.nsecsElapsed() / 1e6;
    figures.heard = static_cast<int>(line.adapter.read(200ms).size());
    figures.handed = figures.heard;
    print(tool.exitCode() == 0 ? "batch tool" : "batch tool, given up", figures, line);
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
    const auto model = [](MainForm& form) { form.controls().ComboCTRmodel[0]->setListIndex(1); };
    for (const Adapter& adapter : Adapters) {
        qputenv("ROTALINE_LINE_ADAPTER_BYTES", adapter.hiddenBytes);
        std::printf("%s:\n", adapter.kind);
        measure(
            "start-up", false, [](MainForm& form, ScriptedDialogs&) { form.Form_Load(); },
            dir.path());
        measure(
            "model, then Exit", true,
            [&](MainForm& form, ScriptedDialogs&) {
                model(form);
                form.mnuExit_Click();
            },
            dir.path());
        measure(
            "model, then port", true,
            [&](MainForm& form, ScriptedDialogs&) {
                model(form);
                form.controls().ComboCOM->setListIndex(1);
            },
            dir.path());
        measure(
            "file load", true,
            [&file](MainForm& form, ScriptedDialogs&) { form.LoadSettingsFile(file); }, dir.path());
        measure(
            "Chinese switch", true,
            [](MainForm& form, ScriptedDialogs& dialogs) {
                dialogs.nextAnswer(Dialogs::Answer::Yes);
                form.mnuChinese_Click();
            },
            dir.path());
        measureTool(file, dir.path());
        qputenv("ROTALINE_LINE_STUCK", "1");  // an adapter that takes nothing: when it is given up
        measureTool(file, dir.path());
        qunsetenv("ROTALINE_LINE_STUCK");
    }
    return 0;
}
