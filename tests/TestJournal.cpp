#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "contract/ThisSystem.h"
#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "platform/AppendLog.h"
#include "sheet/SheetPrinting.h"
#include "support/DataFile.h"
#include "support/FormFixture.h"
#include "ui/HistoryDialog.h"
#include "ui/MainWindow.h"
#include "ui/SheetCommands.h"
#include "ui/StatusText.h"
#include "window/texts/Texts.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

JournalRecord recordNumber(int n) {
    JournalRecord record{QStringLiteral("2026-12-08T10:00:00+01:00"),
                         QStringLiteral("session-%1").arg(n),
                         QStringLiteral("COM2"),
                         QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"),
                         ParameterBlock::atStartUp(),
                         n % 2 == 0 ? Delivery::InFull : Delivery::NotInFull};
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

    // The sessions of data/journal-records.txt, as it describes them.
    void eachRecordIsWhatTheControllerReceived_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("records");
        for (const DataRow& session : dataRows(TEST_DATA "/journal-records.txt")) {
            QTest::newRow(qPrintable(session.title))
                << session.values(">") << session.values("record");
        }
    }
    void eachRecordIsWhatTheControllerReceived() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, records);
        // The window's sheet claims no more than the journal: not sent in full before the line
        // has carried the last byte, and after it only as the newest record says.
        const QStringList full{"Journal: sent in full", "日志：全部发送"};
        QString sheet;
        {
            SendJournal sent;
            FormFixture f(FormFixture::Start::Loaded);
            f.form.setJournal(&sent, [](int position) {
                return std::pair(portName(position + 1), QStringLiteral("/dev/ttyUSB0"));
            });
            for (const QString& step : steps) {
                if (step == "unplug") {
                    f.port.pull();
                    f.port.setPresentPorts({});
                } else {
                    QVERIFY(f.apply(step));
                }
            }
            f.dialogs.clear();
            const SheetCommands sheets(f.form, f.dialogs, nullptr, {});
            QVERIFY(!full.contains(sheets.sheet().value_or(SetupSheet{}).facts.value(4)));
            QCoreApplication::processEvents();  // the line has carried every byte
            sheet = sheets.sheet().value_or(SetupSheet{}).facts.value(4);
        }

        QCOMPARE(full.contains(sheet), !sheet.isEmpty() && records.value(0).contains("|in full|"));
        // As --history reads them back (in other languages: historySpeaksTheLanguageAndFits).
        const Run history = run(PROGRAM_TOOL, {"--history", "--format", "json"});
        QCOMPARE(history.err, "");  // every record can be shown
        QStringList read;
        for (const QJsonValue r : QJsonDocument::fromJson(history.out.toUtf8()).array()) {
            read << QStringList{r["port"].toString(), r["type"].toString(),
                                r["model"].toString("-"),
                                r["sentInFull"].toBool() ? "in full" : "not in full",
                                QString::number(r["changedFromFactory"].toInt())}
                        .join('|');
        }
        QCOMPARE(read, records);
    }

    // The history in the language shown, every column in sight without scrolling (the
    // adapter's long name shortened, whole in its tooltip), the settings changed counted alike
    // in every language; a record compared with the window and loaded as a file is; the tool's
    // headline, what it skips, and the journal line of the sheet of a file with the record's
    // settings, in the language asked for.
    void historySpeaksTheLanguageAndFits_data() {
        addDataRows("row", TEST_DATA "/journal-history.txt");
    }
    void historySpeaksTheLanguageAndFits() {
        QFETCH(DataRow, row);
        const QString delivered = row.value("delivery");
        const Delivery delivery = delivered == "in full"   ? Delivery::InFull
                                  : delivered == "sending" ? Delivery::Sending
                                                           : Delivery::NotInFull;
        const QString adapter = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
        FormFixture f(FormFixture::Start::Loaded);
        f.controls.ComboCTRmodel[1]->setListIndex(1);
        const JournalRecord record{
            "2026-12-08T10:00:00+01:00", "a", "COM1", adapter, f.form.block(), delivery};
        JournalRecord noType{"09:00", "b", "COM1", adapter, record.block, Delivery::InFull};
        noType.block.value[TypeSlot] = EscTypeCount;
        SendJournal().record(noType);
        SendJournal().record(record);
        const QString file = state_.filePath("sent.esc"), sheet = state_.filePath("sent.pdf");
        f.dialogs.nextFileName(file);
        f.form.SaveSettingsFile();
        f.options("OptionBrake").select(4);
        HistoryDialog english({record}, f.form, f.dialogs);
        english.compareWithWindow();
        QCOMPARE(english.details()->toPlainText(), "Brake type: OFF \u2192 Hard");
        f.port.clearWritten();
        english.loadIntoWindow();
        // As a file load: every setting, then the model and what its choice sends again.
        QVERIFY(f.port.written().endsWith(QByteArray::fromHex("85038e01910192019401")));
        QVERIFY(f.form.block() == record.block);
        f.switchTo(Languages[row.value("language").toInt()]);
        HistoryDialog dialog({record}, f.form, f.dialogs);
        dialog.show();

        QTreeWidget* list = dialog.list();
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(list->topLevelItem(0)->toolTip(2), adapter);
        QStringList columns;
        for (int column = 0; column < list->columnCount(); ++column) {
            columns << list->topLevelItem(0)->text(column);
        }
        QCOMPARE(columns.join('|'), row.text("columns"));
        const Run history = run(PROGRAM_TOOL, {"--history", "--lang", QTest::currentDataTag()});
        QCOMPARE(history.out.section('\n', 0, 0),
                 "2026-12-08T10:00:00+01:00  COM1  " + adapter + "  " + row.text("headline"));
        QCOMPARE(history.err, row.text("skipped"));
        run(PROGRAM_TOOL, {"--sheet", sheet, "--lang", QTest::currentDataTag(), file});
        QVERIFY(pdfText(sheet).contains("\n" + row.text("sheet") + "\n"));
    }

    // Whatever stands in the journal's place (the log's own refusals are ContractJournal's),
    // nothing waits on it, nothing is read or written
    // through a link, no more than the writer leaves is read, and what went wrong is said once:
    // by --history with its exit status, above the History window's list, and by the writer of
    // two records ("" when written; when not, no file changed). A torn, changed or binary line
    // costs that line alone; "sessions" are those --history lists, newest first, each sent in
    // full or not ("!").
    void hostileJournals_data() { addDataRows("hostile", TEST_DATA "/journal-hostile.txt"); }
    void hostileJournals() {
        QFETCH(DataRow, hostile);
        const QString layout = hostile.value("layout");
        const QStringList sessions = wordsOf(hostile.value("sessions"));
        const QByteArray home = qgetenv("HOME"), state = qgetenv("XDG_STATE_HOME");
        const QString current = QDir::currentPath();
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            qputenv("XDG_STATE_HOME", state);
            QDir::setCurrent(current);
        });
        if (layout == "relative HOME") {
            QDir::setCurrent(state_.path());
            qputenv("HOME", "relhome");
            qunsetenv("XDG_STATE_HOME");
        }
        const QString j = layout == "relative HOME" ? defaultJournalPath() : journal();
        QFile lock(journal() + ".lock");  // another program's open file, its lock held
        if (layout == "mode 000" && ::geteuid() == 0) {
            QSKIP("the superuser reads and renames regardless of permissions");
        }
        if (layout == "lock held") {
            put(j, journalLine(recordNumber(1)));
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QCOMPARE(::flock(lock.handle(), LOCK_EX), 0);
        } else if (layout.startsWith("older ")) {
            put(j, journalLine(recordNumber(1)));
            QVERIFY(QFile::link(layout.mid(6), j + ".1"));
        } else if (layout == "file for folder") {
            QVERIFY(QDir(QFileInfo(j).path()).removeRecursively());
            put(QFileInfo(j).path(), "");
        } else if (layout == "mode 000") {
            put(j, journalLine(recordNumber(1)));
            QVERIFY(QFile::setPermissions(j, {}));
        } else if (layout == "100 MB") {
            putValidLines(j, 100 << 20);
        } else if (layout == "damaged") {
            put(j, journalLine(recordNumber(1)) + QByteArray("\0\xff\x1b[2J\x07\n", 8) +
                       journalLine(recordNumber(2)).replace("COM2", "COM3") +
                       journalLine(recordNumber(3)) + journalLine(recordNumber(4)).left(60));
        } else if (layout == "completed late") {
            JournalRecord completed = recordNumber(1);
            completed.delivery = Delivery::InFull;
            put(j, journalLine(recordNumber(1)) + journalLine(recordNumber(2)) +
                       journalLine(completed));
        } else if (layout == "escapes") {
            JournalRecord record = recordNumber(2);
            record.time += "\x1b]0;owned\x07";
            record.port = "COM1\x1b[2J\x07";
            record.adapter = "/dev/ttyUSB0\nstate: Ready\x1b]8;;http://x\x1b\\\u202e\u009b\u2028";
            put(j, journalLine(record));
        }
        const auto text = [&hostile, &j](const char* key) {
            return hostile.text(key).replace("J", j).replace("FOLDER", QFileInfo(j).path());
        };
        const QString told = text("told");

        const Run listed = run(PROGRAM_TOOL, {"--history", "--last", "2"});
        QCOMPARE(listed.err, text("listed"));
        QCOMPARE(listed.status, hostile.value("status").toInt());
        QCOMPARE(listed.out.count("\n\n"), std::min<qsizetype>(2, sessions.size()));
        QVERIFY2(!holdsControlCharacters(listed.out), qPrintable(listed.out));
        const Run json = run(PROGRAM_TOOL, {"--history", "--format", "json"});
        QVERIFY2(!holdsControlCharacters(json.out), qPrintable(json.out));
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
            QCOMPARE(dialog.trouble()->isHidden() ? QString() : dialog.trouble()->text(),
                     text("shown"));
            for (int row = 0; row < dialog.list()->topLevelItemCount(); ++row) {
                for (int column = 0; column < dialog.list()->columnCount(); ++column) {
                    const QString shown = dialog.list()->topLevelItem(row)->text(column);
                    QVERIFY2(!holdsControlCharacters(shown), qPrintable(shown));
                }
            }
        }

        const QMap<QString, QByteArray> before = filesUnder(state_.path());
        QStringList reasons;
        QElapsedTimer writing;
        writing.start();
        {
            SendJournal sent(j);
            sent.onFailure([&reasons](const QString& reason) { reasons << reason; });
            sent.record(recordNumber(8));
            sent.record(recordNumber(9));
        }
        QCOMPARE_LT(writing.elapsed(), 2 * LockWait.count());
        QCOMPARE(reasons.join('\n'), told);
        if (told.isEmpty()) {
            const std::vector<JournalRecord> now = readJournal(j);
            QCOMPARE(now.at(0).session + ", " + now.at(1).session, "session-9, session-8");
        } else {
            QCOMPARE(filesUnder(state_.path()), before);
        }
    }

    // The sheet names the file only while the window shows it unchanged. A name given without an
    // extension is a PDF's; a file of that name is asked about first; the status bar says where
    // the sheet went. The window's export and the tool's sheet are one sheet of one page; every
    // setting in use is on it, and it stays inside the printable area of A4 and Letter (15 mm
    // from each edge), also with a file name longer than the page is wide.
    void theSheetNamesTheFileHoldsEverySettingAndFitsThePage_data() {
        QTest::addColumn<bool>("chinese");  // on Letter; English on A4
        QTest::newRow("English, A4") << false;
        QTest::newRow("Chinese, Letter") << true;
    }
    void theSheetNamesTheFileHoldsEverySettingAndFitsThePage() {
        QFETCH(bool, chinese);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow mainWindow(f.form);
        SheetCommands commands(f.form, f.dialogs, &mainWindow, journal());
        mainWindow.setSheetCommands(&commands);
        const QString file = QStringLiteral(TEST_DATA "/car.esc");
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
        QCOMPARE(mainWindow.lineText()->wholeText(), "Setup sheet saved to " + sheet + ".pdf");
        f.dialogs.nextFileName(sheet);
        f.dialogs.nextAnswer(Dialogs::Answer::No);
        QVERIFY(QFile(sheet + ".pdf").open(QIODevice::WriteOnly));
        commands.exportPdf();
        QCOMPARE(f.dialogs.texts(), {"sheet.pdf already exists.\nDo you want to replace it?"});
        QCOMPARE(QFileInfo(sheet + ".pdf").size(), 0);

        const QString lang = chinese ? "zh" : "en";
        // Named as in the window's dialog, and where no login session gives a runtime folder.
        const QString tool = state_.filePath("tool.pdf"), window = state_.filePath("window.pdf");
        qunsetenv("XDG_RUNTIME_DIR");
        const Run made =
            run(PROGRAM_TOOL, {"--sheet", state_.filePath("tool"), "--lang", lang, file});
        QCOMPARE(made.err, QString());
        QVERIFY(!QFile::exists(state_.filePath("tool")));
        if (chinese) {
            f.switchToChinese();
            f.form.OpenSettingsFile(file);
        }
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

        commands.setFile("/home/pilot/" + QString("models/").repeated(40) + "glider2.esc", true);
        const QPageSize page(chinese ? QPageSize::Letter : QPageSize::A4);
        QString error;
        QVERIFY(writeSheetPdf(*commands.sheet(), window, &error, page));
        // At 72 dots an inch a dot is a point: 15 mm are 42.5 dots.
        run("pdftoppm", {"-r", "72", "-gray", "-singlefile", window, window});
        const QImage drawn(window + ".pgm");
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
