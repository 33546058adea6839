#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "platform/AppendLog.h"
#include "sheet/SheetPrinting.h"
#include "support/FormFixture.h"
#include "ui/HistoryDialog.h"
#include "ui/MainWindow.h"
#include "ui/SheetCommands.h"
#include "ui/StatusText.h"
#include "window/Texts.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

JournalRecord recordNumber(int n) {
    JournalRecord record{QStringLiteral("2026-12-08T10:00:00+01:00"),
                         QStringLiteral("session-%1").arg(n),
                         QStringLiteral("COM2"),
                         QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"),
                         ParameterBlock::atStartUp(),
                         n % 2 == 0};
    record.block.value[9] = static_cast<std::uint8_t>(n % 5);
    return record;
}

struct Run {
    QString out, err;
    int status = -1;  // -1: it did not end
};

Run run(const QString& program, const QStringList& arguments) {
    QProcess process;  // killed when it did not end
    process.start(program, arguments);
    const bool ended = process.waitForFinished(30000);
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()), ended ? process.exitCode() : -1};
}

bool holdsControlCharacters(const QString& text) {
    return text.contains(QRegularExpression("[\\x00-\\x09\\x0b-\\x1f\\x7f-\\x9f]"));
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Lines of record 0 enough to take `bytes`, then records 1 and 2.
void putValidLines(const QString& path, qint64 bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray line = journalLine(recordNumber(0));
    const QByteArray lines = line.repeated(std::min<qint64>(4096, bytes / line.size() + 1));
    for (qint64 written = 0; written <= bytes; written += file.write(lines)) {
    }
    file.write(journalLine(recordNumber(1)) + journalLine(recordNumber(2)));
}

// Every regular file under `folder`, links not followed, with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
    }
    return files;
}

qint64 sizeOf(const QString& path) {
    return QFileInfo(path).size();
}

// The text of a PDF, or "" when the PDF tools are missing.
QString pdfText(const QString& pdf) {
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
        .out;
}

}  // namespace

class TestJournal : public QObject {
    Q_OBJECT
private:
    QTemporaryDir state_;
    QString journal() const { return state_.filePath(QStringLiteral("Rotaline/journal")); }

private slots:
    void initTestCase() { qputenv("XDG_STATE_HOME", QFile::encodeName(state_.path())); }
    void init() {
        const QString folder = state_.filePath(QStringLiteral("Rotaline"));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(folder).removeRecursively();
        QFile::remove(folder);
        QDir().mkpath(folder);
        put(journal() + ".lock", "");  // as the first writer leaves it
    }

    // One record a programming session, the later lines of a session superseding the earlier.
    void windowSessionsReadBackByTheTool() {
        {
            SendJournal sent;
            FormFixture f(FormFixture::Start::Loaded);
            f.form.setJournal(&sent, [](int position) {
                return std::pair(portName(position + 1), QStringLiteral("/dev/ttyUSB0"));
            });
            f.controls.ComboCTRmodel[0]->setListIndex(1);
            f.options("OptionBrake").select(4);
            f.form.mnuSendAll_Click();
            f.port.failNextWrite();
            f.options("OptionBrake").select(2);
            QCOMPARE(f.dialogs.shown().size(), 1);  // the invalid-port message
            f.dialogs.clear();
        }
        const QString history = run(PROGRAM_TOOL, {"--history"}).out;
        const QStringList records = history.split("\n\n", Qt::SkipEmptyParts);
        QCOMPARE(records.size(), 2);
        // The Send all's session, then the model choice's: brake Hard, sent in full.
        QVERIFY2(records[0].contains("COM1  /dev/ttyUSB0  NOT sent in full"), qPrintable(history));
        QVERIFY2(records[0].endsWith("\nBrake type: Soft"), qPrintable(history));
        QVERIFY2(records[1].contains("COM1  /dev/ttyUSB0  sent in full  1 changed from factory\n"
                                     "Airplane ESC type  : >=40A for aireplane\n"),
                 qPrintable(history));
        QVERIFY2(records[1].endsWith("\nBrake type: Hard"), qPrintable(history));
        QCOMPARE(run(PROGRAM_TOOL, {"--history", "--last", "1"}).out, records[0] + "\n\n");
    }

    // A record names a model only where the controller was sent one: a tab change after a model
    // is a reset, a language switch one record, and a controller on another port nothing until
    // it is sent a model. Each row's records newest first, as "type|model|sent".
    void eachRecordIsWhatTheControllerReceived_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("records");
        const QString model = "Airplane|>=40A for aireplane|in full";
        QTest::newRow("a tab, no model") << QStringList{"tab 3", "brake 4"} << QStringList{};
        QTest::newRow("a model") << QStringList{"model 1", "brake 4"} << QStringList{model};
        QTest::newRow("a tab after a model") << QStringList{"model 1", "tab 3", "tab 1"}
                                             << QStringList{"Helicopter|-|in full", model};
        QTest::newRow("a language switch")
            << QStringList{"model 1", "Chinese"} << QStringList{"Car|-|in full", model};
        QTest::newRow("a language switch before a model")
            << QStringList{"Chinese"} << QStringList{"Car|-|in full"};
        QTest::newRow("another port, then Send all")
            << QStringList{"model 1", "port 1", "brake 4", "send all"}
            << QStringList{"Airplane|>=40A for aireplane|in full", model};
        QTest::newRow("a model, then a failed write")
            << QStringList{"model 1", "fail", "brake 4"}
            << QStringList{"Airplane|>=40A for aireplane|not in full"};
    }
    void eachRecordIsWhatTheControllerReceived() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, records);
        {
            SendJournal sent;
            FormFixture f(FormFixture::Start::Loaded);
            f.form.setJournal(&sent, [](int position) {
                return std::pair(portName(position + 1), QStringLiteral("/dev/ttyUSB0"));
            });
            for (const QString& step : steps) {
                const int n = step.section(' ', -1).toInt();
                if (step.startsWith("model")) {
                    f.controls.ComboCTRmodel[0]->setListIndex(n);
                } else if (step.startsWith("tab")) {
                    f.controls.SSTab1->select(n);
                } else if (step.startsWith("port")) {
                    f.controls.ComboCOM->setListIndex(n);
                } else if (step.startsWith("brake")) {
                    f.options("OptionBrake").select(n);
                } else if (step == "send all") {
                    f.form.mnuSendAll_Click();
                } else if (step == "fail") {
                    f.port.failNextWrite();
                } else {
                    f.switchToChinese();
                }
            }
            f.dialogs.clear();
        }

        QStringList read;
        for (const JournalRecord& record : readJournal(journal())) {
            const QList<QByteArray> fields = journalLine(record).split('\t');
            read << fields[5] + '|' + fields[6] + '|' +
                        (record.complete ? "in full" : "not in full");
        }
        QCOMPARE(read, records);
    }

    // The newest first; the one selected is described, compared and loaded as a file is.
    void historyDialogShowsComparesAndLoads() {
        FormFixture f(FormFixture::Start::Loaded);
        f.controls.ComboCTRmodel[0]->setListIndex(1);
        f.options("OptionBrake").select(4);
        JournalRecord hard{"2026-12-08T10:00:00+01:00", "a", "COM1", "", f.form.block(), true};
        f.options("OptionBrake").select(0);
        const std::vector<JournalRecord> records{hard, recordNumber(2)};
        HistoryDialog dialog(records, f.form, f.dialogs);
        QTreeWidgetItem* newest = dialog.list()->topLevelItem(0);
        QCOMPARE(newest->text(0) + "|" + newest->text(1) + "|" + newest->text(3) + "|" +
                     newest->text(4) + "|" + newest->text(5) + "|" + newest->text(6),
                 "2026-12-08T10:00:00+01:00|COM1|Airplane|>=40A for aireplane|1|yes");
        QVERIFY(dialog.details()->toPlainText().endsWith("\nBrake type: Hard"));
        dialog.compareWithWindow();
        QCOMPARE(dialog.details()->toPlainText(), "Brake type: Hard \u2192 OFF");
        f.port.clearWritten();
        dialog.loadIntoWindow();
        // As a file load: the model with its factory settings, then brake Hard and the timing.
        QVERIFY(f.port.written().endsWith(QByteArray::fromHex("850689058e01")));
        QCOMPARE(f.form.block().value[9], 4);
    }

    // The history in the language shown, every column in sight without scrolling (the
    // adapter's long name shortened, whole in its tooltip); the tool's headline in the
    // language asked for.
    void historySpeaksTheLanguageAndFits_data() {
        QTest::addColumn<int>("language");  // of Languages
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("headline");
        QTest::newRow("en") << 1 << "When|COM port|Adapter|Type|Model|Changed|Sent in full"
                            << "sent in full  %1 changed from factory";
        QTest::newRow("zh") << 0 << "时间|COM口|适配器|类型|型号|已更改|全部发送"
                            << "全部发送  %1 项与出厂设置不同";
        QTest::newRow("de") << 2 << "Wann|COM-Port|Adapter|Typ|Modell|Geändert|Vollständig gesendet"
                            << "vollständig gesendet  %1 von der Werkseinstellung abweichend";
    }
    void historySpeaksTheLanguageAndFits() {
        QFETCH(int, language);
        QFETCH(QString, headers);
        QFETCH(QString, headline);
        const QString adapter = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
        FormFixture f(FormFixture::Start::Loaded);
        f.controls.ComboCTRmodel[1]->setListIndex(1);
        const JournalRecord record{
            "2026-12-08T10:00:00+01:00", "a", "COM1", adapter, f.form.block(), true};
        SendJournal().record(record);
        f.switchTo(Languages[language]);
        HistoryDialog dialog({record}, f.form, f.dialogs);
        dialog.show();

        QTreeWidget* list = dialog.list();
        QStringList shown;
        for (int column = 0; column < list->columnCount(); ++column) {
            shown << list->headerItem()->text(column);
        }
        QCOMPARE(shown.join('|'), headers);
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(list->topLevelItem(0)->toolTip(2), adapter);
        QCOMPARE(run(PROGRAM_TOOL, {"--history", "--lang", QTest::currentDataTag()})
                     .out.section('\n', 0, 0),
                 "2026-12-08T10:00:00+01:00  COM1  " + adapter + "  " +
                     headline.arg(changedFromFactory(*describeBlock(record.block, English))));
    }

    // Whatever stands in the journal's place, nothing waits on it, nothing is read or written
    // through a link, no more than the writer leaves is read, and what went wrong is said once:
    // by --history with its exit status, above the History window's list, and by the writer of
    // two records ("" when written; when not, no file changed). A torn, changed or binary line
    // costs that line alone; "sessions" are those --history lists, newest first, each sent in
    // full or not ("!").
    void hostileJournals_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("history");  // what --history --last 2 says on stderr
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QStringList>("sessions");
        const QString unread = "rotaline-program: the journal cannot be read: J";
        const QString notRead = "The journal J cannot be read: ";
        const QStringList none, all{"session-2", "session-1!", "session-0"};
        QTest::newRow("a FIFO") << "fifo" << unread + ": It is not a regular file.\n"
                                << 2 << notRead + "It is not a regular file."
                                << "J: It is not a regular file." << none;
        QTest::newRow("a link to /dev/zero")
            << "link /dev/zero" << unread + ": It is a symbolic link.\n"
            << 2 << notRead + "It is a symbolic link."
            << "J: It is a symbolic link." << none;
        QTest::newRow("a link to another file")
            << "link other" << unread + ": It is a symbolic link.\n"
            << 2 << notRead + "It is a symbolic link."
            << "J: It is a symbolic link." << none;
        QTest::newRow("the older file a link to /dev/urandom")
            << "older /dev/urandom" << unread + ".1: It is a symbolic link.\n"
            << 2 << "The journal J.1 cannot be read: It is a symbolic link."
            << "" << QStringList{"session-1!"};
        // Unreadable also for the superuser, who may read any file.
        QTest::newRow("a folder in its place") << "folder" << unread + ": Is a directory\n"
                                               << 2 << notRead + "Is a directory"
                                               << "J: Is a directory" << none;
        QTest::newRow("a file in place of its folder")
            << "file for folder" << unread + ".1: Not a directory\n"
            << 2 << "The journal J.1 cannot be read: Not a directory"
            << "J: cannot make the folder FOLDER" << none;
        QTest::newRow("unreadable") << "mode 000" << unread + ": Permission denied\n"
                                    << 2 << notRead + "Permission denied"
                                    << "J: Permission denied" << none;
        QTest::newRow("full, and a folder where it is rotated to")
            << "full, older a folder" << unread + ".1: Is a directory\n"
            << 2 << "The journal J.1 cannot be read: Is a directory"
            << "J: It is full and cannot be rotated: Is a directory" << all;
        QTest::newRow("full, in a read-only folder")
            << "full, folder read-only"
            << "" << 0 << ""
            << "J: It is full and cannot be rotated: Permission denied" << all;
        QTest::newRow("100 MB of valid lines")
            << "100 MB"
            << "rotaline-program: J is larger than the journal grows; only its last 512 KiB were "
               "read\n"
            << 0 << "J is larger than the journal grows: only its newest records are shown."
            << "" << all;
        QTest::newRow("damaged lines") << "damaged"
                                       << "" << 0 << ""
                                       << "" << QStringList{"session-3!", "session-1!"};
        QTest::newRow("escapes and bells in its fields") << "escapes"
                                                         << "" << 0 << ""
                                                         << "" << QStringList{"session-2"};
    }
    void hostileJournals() {
        QFETCH(QString, layout);
        QFETCH(QString, history);
        QFETCH(int, status);
        QFETCH(QString, window);
        QFETCH(QString, told);
        QFETCH(QStringList, sessions);
        const QString j = journal();
        if ((layout == "mode 000" || layout == "full, folder read-only") && ::geteuid() == 0) {
            QSKIP("the superuser reads and renames regardless of permissions");
        }
        if (layout == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(j).constData(), 0600), 0);
        } else if (layout.startsWith("link ")) {
            put(state_.filePath("Rotaline/other"), journalLine(recordNumber(5)));
            QVERIFY(QFile::link(layout.mid(5), j));
        } else if (layout.startsWith("older ")) {
            put(j, journalLine(recordNumber(1)));
            QVERIFY(QFile::link(layout.mid(6), j + ".1"));
        } else if (layout == "folder") {
            QVERIFY(QDir().mkpath(j));
        } else if (layout == "file for folder") {
            QVERIFY(QDir(QFileInfo(j).path()).removeRecursively());
            put(QFileInfo(j).path(), "");
        } else if (layout == "mode 000") {
            put(j, journalLine(recordNumber(1)));
            QVERIFY(QFile::setPermissions(j, {}));
        } else if (layout.startsWith("full")) {
            putValidLines(j, JournalFileBound);
            QVERIFY(layout.endsWith("older a folder")
                        ? QDir().mkpath(j + ".1/kept")
                        : QFile::setPermissions(QFileInfo(j).path(),
                                                QFile::ReadOwner | QFile::ExeOwner));
        } else if (layout == "100 MB") {
            putValidLines(j, 100 << 20);
        } else if (layout == "damaged") {
            put(j, journalLine(recordNumber(1)) + QByteArray("\0\xff\x1b[2J\x07\n", 8) +
                       journalLine(recordNumber(2)).replace("COM2", "COM3") +
                       journalLine(recordNumber(3)) + journalLine(recordNumber(4)).left(60));
        } else if (layout == "escapes") {
            JournalRecord record = recordNumber(2);
            record.time += "\x1b]0;owned\x07";
            record.port = "COM1\x1b[2J\x07";
            record.adapter = "/dev/ttyUSB0\nstate: Ready\x1b]8;;http://x\x1b\\";
            put(j, journalLine(record));
        }
        for (QString* text : {&history, &window, &told}) {
            text->replace("J", j).replace("FOLDER", QFileInfo(j).path());
        }

        const Run listed = run(PROGRAM_TOOL, {"--history", "--last", "2"});
        QCOMPARE(listed.err, history);
        QCOMPARE(listed.status, status);
        QVERIFY2(!holdsControlCharacters(listed.out), qPrintable(listed.out));
        const Run json = run(PROGRAM_TOOL, {"--history", "--format", "json"});
        QCOMPARE(json.status, status);
        QStringList listedSessions;
        for (const QJsonValue record : QJsonDocument::fromJson(json.out.toUtf8()).array()) {
            listedSessions << record["session"].toString() +
                                  (record["sentInFull"].toBool() ? "" : "!");
        }
        QCOMPARE(listedSessions, sessions);
        // A child starts with what it shares of this process; beyond that, little (in KiB).
        rusage self{}, children{};
        QCOMPARE(::getrusage(RUSAGE_SELF, &self) + ::getrusage(RUSAGE_CHILDREN, &children), 0);
        QCOMPARE_LT(children.ru_maxrss, self.ru_maxrss + 128 * 1024);

        {
            FormFixture f(FormFixture::Start::Loaded);
            LogTrouble trouble;
            HistoryDialog dialog(readJournal(j, &trouble), f.form, f.dialogs);
            dialog.showTrouble(trouble);
            QCOMPARE(dialog.trouble()->isHidden() ? QString() : dialog.trouble()->text(), window);
            for (int row = 0; row < dialog.list()->topLevelItemCount(); ++row) {
                for (int column = 0; column < dialog.list()->columnCount(); ++column) {
                    const QString shown = dialog.list()->topLevelItem(row)->text(column);
                    QVERIFY2(!holdsControlCharacters(shown), qPrintable(shown));
                }
            }
        }

        const QMap<QString, QByteArray> before = filesUnder(state_.path());
        QStringList reasons;
        {
            SendJournal sent(j);
            sent.onFailure([&reasons](const QString& reason) { reasons << reason; });
            sent.record(recordNumber(8));
            sent.record(recordNumber(9));
        }
        QCOMPARE(reasons.join('\n'), told);
        if (told.isEmpty()) {
            const std::vector<JournalRecord> now = readJournal(j);
            QCOMPARE(now.at(0).session + ", " + now.at(1).session, "session-9, session-8");
        } else {
            QCOMPARE(filesUnder(state_.path()), before);
        }
    }

    // Two files of at most the bound and a line each, the newest records kept.
    void sizeStaysBoundedOverTenThousandSends() {
        {
            SendJournal sent(journal());
            for (int n = 0; n < 10000; ++n) {
                sent.record(recordNumber(n));
            }
        }
        const qint64 line = journalLine(recordNumber(9999)).size();
        QVERIFY(sizeOf(journal()) <= JournalFileBound + line);
        QVERIFY(sizeOf(journal() + ".1") <= JournalFileBound + line);
        const std::vector<JournalRecord> records = readJournal(journal());
        QCOMPARE(records.front().session, recordNumber(9999).session);
        QVERIFY(records.size() > std::size_t(JournalFileBound / line));
    }

    // The window's export and the tool's sheet are one sheet; every setting in use is on it.
    void sheetHoldsEverySettingInUse_data() {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("English") << false;
        QTest::newRow("Chinese") << true;
    }
    void sheetHoldsEverySettingInUse() {
        QFETCH(bool, chinese);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        const QString file = QStringLiteral(TEST_DATA "/car.esc");
        const QString lang = chinese ? "zh" : "en";
        const QString tool = state_.filePath("tool.pdf"), window = state_.filePath("window.pdf");
        run(PROGRAM_TOOL, {"--sheet", tool, "--lang", lang, file});
        FormFixture f(FormFixture::Start::Loaded);
        if (chinese) {
            f.switchToChinese();
        }
        f.form.OpenSettingsFile(file);
        SheetCommands commands(f.form, f.dialogs, nullptr, journal());
        commands.setFile(file, false);
        f.dialogs.nextFileName(window);
        commands.exportPdf();

        QVERIFY(run("pdfinfo", {tool}).out.contains(QRegularExpression("Pages: +1\n")));
        const QString text = pdfText(tool);
        QCOMPARE(pdfText(window), text);
        const QStringList described = run(PROGRAM_TOOL, {"--describe", "--lang", lang, file})
                                          .out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(text.contains(chinese ? ">=50A车用" : ">=50A for car"));
        for (const QString& setting : described.mid(1)) {
            const QString caption = setting.section(':', 0, 0).trimmed();
            const QString value = setting.section(':', 1).trimmed();
            QVERIFY2(text.contains(QRegularExpression("\n" + QRegularExpression::escape(caption) +
                                                      " +" + QRegularExpression::escape(value))),
                     qPrintable(setting + "\n" + text));
        }
    }

    // The sheet names the file only while the window shows it unchanged, and stays inside the
    // printable area of A4 and Letter (15 mm from each edge), also with a file name longer than
    // the page is wide. A name given without an extension is a PDF's; a file of that name is
    // asked about first; the status bar says where the sheet went.
    void theSheetNamesTheFileAndStaysInsideThePrintableArea_data() {
        QTest::addColumn<int>("size");  // a QPageSize::PageSizeId
        QTest::newRow("A4") << int(QPageSize::A4);
        QTest::newRow("Letter") << int(QPageSize::Letter);
    }
    void theSheetNamesTheFileAndStaysInsideThePrintableArea() {
        QFETCH(int, size);
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow window(f.form);
        SheetCommands commands(f.form, f.dialogs, &window, journal());
        window.setSheetCommands(&commands);
        const QString file = QStringLiteral(TEST_DATA "/airplane.esc");
        f.form.OpenSettingsFile(file);
        const auto named = [&commands] { return commands.sheet()->facts.first(); };
        QCOMPARE(named(), "Settings file: " + file);
        const int brake = f.options("OptionBrake").selected();
        f.options("OptionBrake").select(brake == 0 ? 1 : 0);
        QCOMPARE(named(), "Settings file: " + file + ", changed since saved");
        f.options("OptionBrake").select(brake);
        QCOMPARE(named(), "Settings file: " + file);

        const QString sheet = state_.filePath("sheet");
        QFile::remove(sheet + ".pdf");
        f.dialogs.nextFileName(sheet);
        commands.exportPdf();
        QVERIFY(QFileInfo(sheet + ".pdf").size() > 0 && !QFile::exists(sheet));
        QCOMPARE(window.lineText()->wholeText(), "Setup sheet saved to " + sheet + ".pdf");
        f.dialogs.nextFileName(sheet);
        f.dialogs.nextAnswer(Dialogs::Answer::No);
        QVERIFY(QFile(sheet + ".pdf").open(QIODevice::WriteOnly));
        commands.exportPdf();
        QCOMPARE(f.dialogs.texts(), {"sheet.pdf already exists.\nDo you want to replace it?"});
        QCOMPARE(QFileInfo(sheet + ".pdf").size(), 0);

        commands.setFile("/home/pilot/" + QString("models/").repeated(40) + "glider2.esc", true);
        const QPageSize page(static_cast<QPageSize::PageSizeId>(size));
        QString error;
        QVERIFY(writeSheetPdf(*commands.sheet(), sheet + ".pdf", &error, page));
        // At 72 dots an inch a dot is a point: 15 mm are 42.5 dots.
        run("pdftoppm", {"-r", "72", "-gray", "-singlefile", sheet + ".pdf", sheet});
        const QImage drawn(sheet + ".pgm");
        QCOMPARE(drawn.size(), page.sizePoints());
        QRect ink;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (qGray(drawn.pixel(x, y)) < 200) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY(drawn.rect().adjusted(42, 42, -42, -42).contains(ink));
        QVERIFY(ink.width() > drawn.width() / 2 && ink.height() > drawn.height() / 2);
    }
};

QTEST_MAIN(TestJournal)
#include "TestJournal.moc"
