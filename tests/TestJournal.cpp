#include <QApplication>
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

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

qint64 sizeOf(const QString& path) {
    return QFileInfo(path).size();
}

// The text of a PDF, or "" when the PDF tools are missing.
QString pdfText(const QString& pdf) {
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
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
        QFile::remove(journal());
        QFile::remove(journal() + ".1");
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
        const QString history = run(PROGRAM_TOOL, {"--history"});
        const QStringList records = history.split("\n\n", Qt::SkipEmptyParts);
        QCOMPARE(records.size(), 2);
        // The Send all's session, then the model choice's: brake Hard, sent in full.
        QVERIFY2(records[0].contains("COM1  /dev/ttyUSB0  NOT sent in full"), qPrintable(history));
        QVERIFY2(records[0].endsWith("\nBrake type: Soft"), qPrintable(history));
        QVERIFY2(records[1].contains("COM1  /dev/ttyUSB0  sent in full  1 changed from factory\n"
                                     "Airplane ESC type  : >=40A for aireplane\n"),
                 qPrintable(history));
        QVERIFY2(records[1].endsWith("\nBrake type: Hard"), qPrintable(history));
        QCOMPARE(run(PROGRAM_TOOL, {"--history", "--last", "1"}), records[0] + "\n\n");
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
        QCOMPARE(
            run(PROGRAM_TOOL, {"--history", "--lang", QTest::currentDataTag()}).section('\n', 0, 0),
            "2026-12-08T10:00:00+01:00  COM1  " + adapter + "  " +
                headline.arg(changedFromFactory(*describeBlock(record.block, English))));
    }

    // What a writer killed mid-write (a torn line) or a damaged disk block leaves costs that
    // line alone.
    void damageCostsOnlyTheDamagedLine_data() {
        QTest::addColumn<QByteArray>("damage");
        QTest::newRow("torn last line") << journalLine(recordNumber(7)).left(60);
        QTest::newRow("changed byte") << journalLine(recordNumber(7)).replace("COM2", "COM3");
        QTest::newRow("binary garbage") << QByteArray("\0\xff\x01garbage\n", 12);
    }
    void damageCostsOnlyTheDamagedLine() {
        QFETCH(QByteArray, damage);
        QString error;
        for (int n = 0; n < 3; ++n) {
            QVERIFY(appendLogLine(journal(), journalLine(recordNumber(n)), 1 << 20, &error));
        }
        QFile file(journal());
        QVERIFY(file.open(QIODevice::Append));
        file.write(damage);
        file.close();
        QVERIFY(appendLogLine(journal(), journalLine(recordNumber(3)), 1 << 20, &error));

        const std::vector<JournalRecord> records = readJournal(journal());
        QCOMPARE(records.size(), std::size_t(4));
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(records[3 - n].session, recordNumber(n).session);
            QCOMPARE(records[3 - n].block, recordNumber(n).block);
            QCOMPARE(records[3 - n].complete, n % 2 == 0);
        }
    }

    // Said once, and again only after a record was written meanwhile.
    void writeFailureIsToldOnce() {
        QStringList told;
        {
            SendJournal sent(QStringLiteral("/dev/null/Rotaline/journal"));
            sent.onFailure([&told](const QString& reason) { told << reason; });
            sent.record(recordNumber(1));
            sent.record(recordNumber(2));
        }
        QCOMPARE(told, QStringList{"/dev/null/Rotaline/journal: cannot make the folder "
                                   "/dev/null/Rotaline"});
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

        QVERIFY(run("pdfinfo", {tool}).contains(QRegularExpression("Pages: +1\n")));
        const QString text = pdfText(tool);
        QCOMPARE(pdfText(window), text);
        const QStringList described =
            run(PROGRAM_TOOL, {"--describe", "--lang", lang, file}).split('\n', Qt::SkipEmptyParts);
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
