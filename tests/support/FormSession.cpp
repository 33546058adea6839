#include "support/FormSession.h"

#include <QDir>
#include <memory>
#include <utility>

#include "model/MessageDecoder.h"
#include "support/FormFixture.h"

namespace rotaline::testing {
namespace {

// The messages the controller decodes from the bytes on the wire.
QStringList decodedMessages(const QByteArray& wire) {
    QStringList messages;
    for (const DecodedMessage& message : MessageDecoder().feed(wire.toStdString())) {
        messages << QString::fromStdString(message.text());
    }
    return messages;
}

// A box's change: what was added to its end, or its whole new text.
QString boxChange(const QString& name, const QString& before, const QString& after) {
    if (before == after) {
        return {};
    }
    if (after.startsWith(before) && !before.isEmpty()) {
        return name + QStringLiteral(" + ") + quoted(after.mid(before.size()));
    }
    return name + QStringLiteral(" = ") + quoted(after);
}

PortProblem problemNamed(const QString& name) {
    static const QStringList names = {"none", "unassigned", "absent",      "permission",
                                      "busy", "brltty",     "modemmanager"};  // in their order
    return static_cast<PortProblem>(names.indexOf(name));
}

// The session is the form's window: it keeps the port problems it is told, notes an unload, and
// in place of a wait runs the steps said to come during it.
class Session : public FormHost {
public:
    explicit Session(QString folder) : folder_(std::move(folder)) { f_.form.setHost(this); }

    void portProblem(const Say& help) override { problems_ << help; }
    void unload() override {
        hostEvents_ << QStringLiteral("unload, port open: ") + (f_.port.isOpen() ? "yes" : "no");
    }
    void waitProcessingEvents(int) override {
        QStringList unseen;
        for (const QString& step : std::exchange(duringWait_, {})) {
            run(step.section(' ', 0, 0), step.section(' ', 1), unseen);
        }
    }

    // Runs one step and gives the lines it changed.
    QStringList play(const QString& step) {
        if (!begun_ && !step.endsWith(QStringLiteral("start"))) {
            f_.form.FillValueLists();  // what every step but the window's start-up needs
        }
        begun_ = true;
        const QStringList before = f_.state();
        const QString note = f_.note();
        const QString trace = f_.trace();
        f_.port.clearWritten();
        f_.dialogs.clear();
        const qsizetype filters = f_.dialogs.filters().size();
        hostEvents_.clear();
        problems_.clear();

        QStringList lines;
        const bool quiet = step.startsWith(QStringLiteral("quiet "));
        const QString words = quiet ? step.mid(6) : step;
        run(words.section(' ', 0, 0), words.section(' ', 1), lines);
        if (quiet) {
            return {};
        }
        for (const QString& operation : f_.port.log()) {
            lines << port(operation);
        }
        for (const ScriptedDialogs::Shown& shown : f_.dialogs.shown()) {
            lines << (shown.buttons == Dialogs::Buttons::Ok ? QStringLiteral("message ")
                                                            : QStringLiteral("question ")) +
                         (shown.icon == Dialogs::Icon::Exclamation ? QStringLiteral("(!) ")
                                                                   : QString()) +
                         quoted(shown.text);
        }
        for (const QString& filter : f_.dialogs.filters().mid(filters)) {
            lines << QStringLiteral("file dialog ") + quoted(filter);
        }
        for (const Say& problem : problems_) {
            lines << QStringLiteral("port problem ") + quoted(problem(*f_.form.flags().language));
        }
        lines << hostEvents_;
        lines << boxChange(QStringLiteral("note"), note, f_.note());
        lines << boxChange(QStringLiteral("trace"), trace, f_.trace());
        const QStringList after = f_.state();
        for (qsizetype i = 0; i < after.size() - 2; ++i) {  // the note and trace are above
            if (after[i] != before[i]) {
                lines << after[i];
            }
        }
        lines.removeAll(QString());
        return lines;
    }

private:
    void run(const QString& verb, const QString& rest, QStringList& lines) {
        const QStringList args = rest.split(' ', Qt::SkipEmptyParts);
        const int number = args.value(1).toInt();
        // A name the form does not know is a typo in the script: it is said, not crashed on.
        const QStringList names = verb == "show" ? args
                                  : QStringList{"set", "pick", "click"}.contains(verb)
                                      ? args.mid(0, 1)
                                      : QStringList();
        for (const QString& name : names) {
            if (f_.form.find(name) == nullptr) {
                lines << QStringLiteral("no control named ") + quoted(name);
                return;
            }
        }
        if (f_.apply(verb + ' ' + rest)) {
            return;
        }
        if (verb == "start") {
            f_.form.Form_Load();
        } else if (verb == "file") {
            f_.dialogs.nextFileName(args.isEmpty() ? QString() : inFolder(args.value(0)));
        } else if (verb == "present") {
            QSet<int> ports;
            for (const QString& port : args) {
                ports.insert(port.toInt());
            }
            f_.port.setPresentPorts(ports);
        } else if (verb == "assigned") {  // the adapter of COM PREVIOUS given COM N
            f_.form.adapterAssigned(args.value(0).toInt(), number);
        } else if (verb == "fail") {
            f_.port.failNextOpen(problemNamed(args.value(1)));
        } else if (verb == "pull") {
            f_.port.pull();
        } else if (verb == "back") {  // the device watch saw the adapter of the number return
            f_.form.deviceReturned();
        } else if (verb == "feed") {
            f_.port.feed(QByteArray::fromPercentEncoding(rest.toLatin1()));
        } else if (verb == "waiting") {
            duringWait_ << rest;
        } else if (verb == "handshake") {
            f_.form.ModelHandshake();
        } else if (verb == "send") {
            f_.form.SendParameter(std::uint8_t(args.value(0).toInt()), std::uint8_t(number));
        } else if (verb == "reselect") {
            f_.form.SSTab1_Click(f_.controls.SSTab1->selected());
        } else if (verb == "toolbar") {
            f_.form.Toolbar1_ButtonClick(args.value(0));
        } else if (verb == "load") {
            f_.form.LoadSettingsFile(edited(args));
        } else if (verb == "compare") {
            lines << (contents(args.value(0)) == contents(args.value(1))
                          ? QStringLiteral("the same bytes")
                          : QStringLiteral("different bytes"));
        } else if (verb == "show") {
            for (const QString& name : args) {
                lines << name + QStringLiteral(" caption ") + quoted(f_.control(name).caption());
            }
        } else {
            lines << QStringLiteral("unknown step ") + quoted(verb);
        }
    }

    // "write AA55" → "send 170 85  handshake"; a write that failed says so.
    static QString port(const QString& operation) {
        if (!operation.startsWith(QStringLiteral("write "))) {
            return operation;
        }
        const QByteArray bytes = QByteArray::fromHex(operation.section(' ', 1, 1).toLatin1());
        return (operation.endsWith(QStringLiteral(" failed")) ? QStringLiteral("failed send ")
                                                              : QStringLiteral("send ")) +
               decodedMessages(bytes).join(QStringLiteral(", "));
    }

    QString inFolder(const QString& name) const { return QDir(folder_).filePath(name); }
    QByteArray contents(const QString& name) const {
        QFile file(inFolder(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The settings file NAME, or for "NAME 3=3;%20 40=-" a copy of it with line 3 set to the
    // percent-encoded bytes and the lines from 40 on cut off.
    QString edited(const QStringList& args) const {
        QFile file(inFolder(args.value(0)));
        if (args.size() == 1 || !file.open(QIODevice::ReadOnly)) {
            return file.fileName();
        }
        QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
        lines.removeLast();
        for (const QString& edit : args.mid(1)) {
            const int line = edit.section('=', 0, 0).toInt();
            const QString bytes = edit.section('=', 1);
            if (bytes == "-") {
                lines = lines.mid(0, line);
            } else {
                lines[line] =
                    QString::fromLatin1(QByteArray::fromPercentEncoding(bytes.toLatin1()));
            }
        }
        QFile copy(inFolder(QStringLiteral("edited.esc")));
        copy.open(QIODevice::WriteOnly | QIODevice::Truncate);
        copy.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
        return copy.fileName();
    }

    QString folder_;
    FormFixture f_{FormFixture::Start::Made};
    bool begun_ = false;
    QList<Say> problems_;
    QStringList hostEvents_;
    QStringList duringWait_;
};

}  // namespace

QString playSessions(const QString& script, const QString& folder) {
    QStringList out;
    std::unique_ptr<Session> session;
    for (const QString& line : script.split('\n')) {
        if (line.startsWith(QStringLiteral("== "))) {
            session = std::make_unique<Session>(folder);
            out << line;
        } else if (line.startsWith(QStringLiteral("> ")) && session) {
            out << line;
            for (const QString& change : session->play(line.mid(2))) {
                out << QStringLiteral("  ") + change;
            }
        } else if (line.isEmpty() || line.startsWith('#')) {
            out << line;
        }
    }
    // A path is shown with the system's separators, and quoted with "\\" for "\": it reads
    // "FOLDER/start.esc" on every system.
    const QString native = QDir::toNativeSeparators(folder + QLatin1Char('/'));
    return out.join('\n')
        .replace(QString(native).replace(QLatin1Char('\\'), QStringLiteral("\\\\")),
                 QStringLiteral("FOLDER/"))
        .replace(native, QStringLiteral("FOLDER/"))
        .replace(folder, QStringLiteral("FOLDER"));
}

}  // namespace rotaline::testing
