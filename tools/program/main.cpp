// Programs a controller from a settings file without the window: the same steps as loading
// the file into the programmer, so a batch of controllers can be set from one file.
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <memory>

#include "link/ProgrammingLink.h"
#include "model/MessageDecoder.h"
#include "platform/CommandLine.h"
#include "platform/ExitSignals.h"
#include "platform/PortResolver.h"
#include "platform/Printable.h"
#include "platform/QtSerialPort.h"
#include "platform/RecordingPort.h"
#include "program/Adapters.h"
#include "program/Arguments.h"
#include "program/Console.h"
#include "program/Describe.h"
#include "program/History.h"
#include "program/Output.h"
#include "window/form/MainForm.h"

using namespace rotaline;

namespace {

std::atomic<bool> journalNotWritten{false};  // set on the journal's own thread

// The programmer's form over `port`, started up as the window starts.
struct HeadlessForm {
    explicit HeadlessForm(SerialPort& port) : link(port) {
        form.setHost(&console);
        form.Form_Load();
    }
    ProgrammingLink link;
    Console console;
    MainForm form{link, console, console};
};

void reportProblems(const QString& file, const QStringList& problems) {
    printError(loadProblem(file, problems));
}

double seconds(LineClock::Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// Runs the event loop until the port has nothing on the line: the port gives up a line that
// takes nothing two seconds after its line time. A second signal gives up what is left at once;
// either way the port closes properly, its device's settings restored and its lock removed.
// True when the rest was given up.
bool waitForIdleLine(SerialPort& port, const ExitSignals& exitSignals) {
    QEventLoop loop;
    int caught = 0;
    QObject::connect(&port, &SerialPort::lineIdle, &loop, &QEventLoop::quit);
    QObject::connect(&exitSignals, &ExitSignals::received, &loop, [&port, &caught] {
        if (++caught == 2) {
            port.abandonDraining();
        }
    });
    if (port.isDraining()) {
        loop.exec();
    }
    return caught >= 2;
}

constexpr const char* Usage =
    "Usage: rotaline-program [--dry-run] SETTINGS-FILE DEVICE\n"
    "       rotaline-program --describe [--format text|json] [--lang LANGUAGE] SETTINGS-FILE\n"
    "       rotaline-program --diff [--lang LANGUAGE] SETTINGS-FILE OTHER-SETTINGS-FILE\n"
    "       rotaline-program --sheet OUT.pdf [--lang LANGUAGE] SETTINGS-FILE\n"
    "       rotaline-program --history [--format text|json] [--lang LANGUAGE] [--last N]\n"
    "       rotaline-program --adapters [--format text|json] [--lang LANGUAGE]\n"
    "Sends to the controller on DEVICE what loading SETTINGS-FILE into Rotaline just started\n"
    "sends, printing each message. --dry-run prints the messages without opening DEVICE.\n"
    "--describe prints the controller a file is for and each setting it uses; --diff prints\n"
    "the settings two files set otherwise (exit status 0 alike, 1 different, 2 trouble).\n"
    "--sheet writes a file's one-page setup sheet as PDF, with how the journal says its\n"
    "settings were last sent; --history prints what each controller was left with, newest\n"
    "first.\n"
    "--adapters lists the serial adapters, why one cannot be used and how to fix it\n"
    "(exit status 0 when one can be used, 1 when none can, 2 trouble).\n"
    "A value may follow its option after \"=\": --format=json.\n";

// The usage with the languages --lang takes.
QString usageText() {
    return QString::fromUtf8(Usage).replace(QStringLiteral("LANGUAGE"),
                                            languageOptions().join(QLatin1Char('|')));
}

int usage(const QString& problem) {
    printError(QStringLiteral("rotaline-program: ") + printable(problem) + QLatin1Char('\n') +
               usageText().chopped(1));
    return 2;
}

// Each settings file named is there and readable, or the reason is printed.
bool settingsFilesReadable(const Request& request) {
    const qsizetype count = request.mode == Request::Mode::Send ? 1 : request.files.size();
    for (const QString& file : request.files.mid(0, count)) {
        if (const QString problem = fileProblem(file); !problem.isEmpty()) {
            printError(printable(file) + QStringLiteral(": ") + problem);
            return false;
        }
    }
    return true;
}

void print(const QByteArray& bytes) {
    MessageDecoder decoder;
    QStringList lines;
    for (const DecodedMessage& message : decoder.feed(bytes.toStdString())) {
        lines << QString::fromStdString(message.text());
    }
    printLines(lines);
}

// Drawing a sheet needs fonts, which come with a GUI application; no display is needed. Qt
// looks for a display in the login session's runtime folder and warns where there is none (a
// service, a container, a terminal reached by su): it is given an empty one of its own then.
std::unique_ptr<QCoreApplication> application(int& argc, char** argv, Request::Mode mode) {
    if (mode != Request::Mode::Sheet) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#ifndef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        static const QTemporaryDir runtime;  // mode 0700, as the folder Qt asks for
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

int run(int argc, char** argv) {
    const std::variant<Request, QString> parsed = parseArguments(commandLineArguments(argc, argv));
    if (const auto* problem = std::get_if<QString>(&parsed)) {
        return usage(*problem);
    }
    const Request& request = std::get<Request>(parsed);
    const std::unique_ptr<QCoreApplication> app = application(argc, argv, request.mode);
    if (request.mode == Request::Mode::Help) {
        printOut(usageText().toUtf8());
        return 0;
    }
    if (request.mode == Request::Mode::Adapters) {
        return runAdaptersCommand(request);
    }
    if (!settingsFilesReadable(request)) {
        return 2;
    }
    switch (request.mode) {
        case Request::Mode::History:
            return runHistoryCommand(request);
        case Request::Mode::Sheet:
            return runSheetCommand(request);
        case Request::Mode::Send:
            break;
        default:
            return runDescribeCommand(request);
    }
    const bool dryRun = request.dryRun;
    const QString file = request.files[0];
    const QString device = request.files[1];
    // The whole load is tried without the device first: a bad file writes nothing.
    qsizetype wanted = 0;  // bytes the load writes
    {
        RecordingPort nowhere;
        HeadlessForm trial(nowhere);
        trial.form.LoadSettingsFile(file);
        trial.form.sendMarked();
        if (!trial.console.problems.isEmpty()) {
            reportProblems(file, trial.console.problems);
            return 2;
        }
        wanted = nowhere.written().size();
    }
    // A signal lets the run end and close the port properly, then ends the tool.
    const ExitSignals exitSignals;
    RecordingPort port(dryRun ? nullptr
                              : std::make_unique<QtSerialPort>([device](int) { return device; }));
    SendJournal journal;  // outlives the form that records in it
    journal.onFailure([](const QString& reason) {
        printError(QStringLiteral("the journal cannot be written: ") + printable(reason));
        journalNotWritten = true;
    });
    HeadlessForm headless(port);
    if (!dryRun) {
        headless.form.setJournal(&journal, [device](int) {
            return std::pair(QStringLiteral("-"), PortResolver::stableNameOf(device));
        });
    }
    ProgrammingLink& link = headless.link;
    if (!link.isReady()) {
        printError(printable(device) + QStringLiteral(" cannot be used: ") +
                   printable(port.errorString()));
        return 3;
    }
    QString failure;
    QObject::connect(&port, &SerialPort::sendingFailed,
                     [&failure](PortProblem problem, const QString& device, int unsent) {
                         failure = sendingFailureText(problem, device, unsent);
                     });
    headless.form.LoadSettingsFile(file);
    headless.form.sendMarked();
    // A write the device did not take is said at once, with what it left unsent.
    const qsizetype notWritten = (wanted - port.written().size()) / 2;
    if (notWritten > 0) {
        printError(
            printable(port.errorString()) +
            QStringLiteral("\n%1 of %2 messages were not sent").arg(notWritten).arg(wanted / 2));
    }
    link.close();
    if (waitForIdleLine(port, exitSignals)) {
        printError(QStringLiteral("stopped by signal %1; the rest of the settings was not sent")
                       .arg(ExitSignals::caught()));
        return 128 + ExitSignals::caught();
    }
    if (notWritten > 0) {
        return 3;
    }
    if (!failure.isEmpty() || !link.isReady()) {
        printError(printable(failure.isEmpty() ? port.errorString() : failure));
        return 3;
    }
    print(port.written());
    printError((dryRun ? QStringLiteral("A real run takes %1 s on the line.")
                       : QStringLiteral("Line time: %1 s"))
                   .arg(seconds(link.line().timeFor(port.written().size())), 0, 'f', 1));
    if (const int signal = ExitSignals::caught()) {
        printError(QStringLiteral("stopped by signal %1").arg(signal));
        return 128 + signal;
    }
    if (!headless.console.problems.isEmpty()) {
        reportProblems(file, headless.console.problems);
        return link.isReady() ? 2 : 3;
    }
    return 0;
}

}  // namespace

// What was printed must reach its file, and a record the journal: a full disk or a closed output
// is trouble whatever the mode, said in the system's words.
int main(int argc, char** argv) {
    guardOutput();
    int status = run(argc, argv);
    if (journalNotWritten && status == 0) {
        status = 2;  // programmed, but not kept in the journal
    }
    if (const QString error = outputError(); !error.isEmpty()) {
        printError(QStringLiteral("rotaline-program: the output could not be written: ") + error);
        return std::max(status, 2);
    }
    return status;
}
