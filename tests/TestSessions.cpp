#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "files/SettingsFile.h"
#include "model/EscCatalogue.h"
#include "support/FormFixture.h"
#include "support/FormSession.h"
#include "window/record/BlockDescription.h"
#include "window/record/SetupSheet.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// The cell count the controller was left with: "Auto" or the number of cells.
QString controllerCells(const QByteArray& wire) {
    const QStringList sent = decodedMessages(wire).filter(QStringLiteral(" slot 19 "));
    return sent.value(sent.size() - 1).section('(', 1).chopped(1).remove(QStringLiteral(" cells"));
}

}  // namespace

// Every session under data/sessions, played on a fresh form, must give exactly its reviewed
// transcript. ROTALINE_WRITE_SESSIONS=1 writes the transcripts anew instead, for review.
class TestSessions : public QObject {
    Q_OBJECT
private slots:
    void sessionsGiveTheirTranscripts_data() {
        QTest::addColumn<QString>("path");
        QStringList folders{QStringLiteral(TEST_DATA "/sessions")};
#ifdef Q_OS_LINUX
        folders << QStringLiteral(TEST_DATA "/sessions/linux");  // Linux's own files and words
#endif
        for (const QDir sessions : folders) {
            for (const QString& name : sessions.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
                QTest::newRow(qPrintable(name)) << sessions.filePath(name);
            }
        }
    }
    void sessionsGiveTheirTranscripts() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(file.readAll());
        file.close();
        QTemporaryDir folder;
        for (const QString& name : QDir(QStringLiteral(TEST_DATA)).entryList({"*.esc"})) {
            QFile::copy(QStringLiteral(TEST_DATA "/") + name, folder.filePath(name));
        }

        const QString actual = playSessions(expected, folder.path());

        if (qEnvironmentVariableIsSet("ROTALINE_WRITE_SESSIONS")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(actual.toUtf8());
            return;
        }
        const QStringList want = expected.split('\n');
        const QStringList got = actual.split('\n');
        for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
            QVERIFY2(got.value(i) == want.value(i),
                     qPrintable(QStringLiteral("line %1\n   got: %2\n  want: %3")
                                    .arg(i + 1)
                                    .arg(got.value(i), want.value(i))));
        }
    }

    // Each model whose cell list has no "Auto", down each path that sets its cell count: the
    // controller, the window (its mark says "Auto" where it shows no number), and the file
    // saved then, as --describe and the sheet word it and as a programmer loading it sends it.
    void cellCountAgreesOnEveryPath_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("cells");
        const QList<std::tuple<int, int, QString>> models = {
            {0, 1, "5"}, {1, 1, "10"}, {2, 0, "3"}};
        const QList<std::tuple<const char*, QStringList, bool>> paths = {
            {"model choice", {}, false},
            {"the user's choice", {"pick"}, true},
            {"Factory Default", {"pick", "click CommandSetFactory"}, false},
            {"Undo of Factory Default", {"pick", "click CommandSetFactory", "click mnuUndo"}, true},
            {"Undo of the user's choice", {"pick", "click mnuUndo"}, false},
            {"Send all", {"pick", "click mnuSendAll"}, true},
            {"Send all at Auto", {"click mnuSendAll"}, false},
            {"file loaded", {"pick", "load"}, true},
            {"file at Auto loaded", {"load"}, false}};
        for (const auto& [type, model, count] : models) {
            for (auto [path, steps, chosen] : paths) {
                steps.replaceInStrings(QRegularExpression("^pick$"), "pick ComboNoOfCell " + count);
                QTest::addRow("%s, %s", findModel(type, model)->name.data(), path)
                    << type << model << steps << (chosen ? count : QStringLiteral("Auto"));
            }
        }
    }
    void cellCountAgreesOnEveryPath() {
        QFETCH(int, type);
        QFETCH(int, model);
        QFETCH(QStringList, steps);
        QFETCH(QString, cells);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cells.esc"));
        FormFixture f(FormFixture::Start::Loaded);
        const QString chosen = QStringLiteral("set SSTab1 %1|set ComboCTRmodel(%1) %2").arg(type);
        for (const QString& step : chosen.arg(model).split('|') + steps + QStringList{"save"}) {
            if (step == "load" || step == "save") {
                f.dialogs.nextFileName(path);
                f.form.SaveSettingsFile();
            }
            if (step == "load") {
                f.form.LoadSettingsFile(path);
            } else if (step != "save") {
                QVERIFY(f.apply(step));
            }
        }

        QCOMPARE(controllerCells(f.port.written()), cells);
        const ComboList& list = *f.controls.ComboNoOfCell;
        QCOMPARE(
            list.text().isEmpty() && list.unsentMark().contains("(Auto)") ? "Auto" : list.text(),
            cells);
        ParameterBlock saved;
        decodeSettingsLines(readSettingsLines(path).value(), 0, SlotCount, saved);
        const DescribedBlock described = describeBlock(saved, English).value();
        QVERIFY(describedLines(described.settings).contains("Number of Cell: " + cells));
        const auto unsent = [](int) { return false; };
        QStringList sheet;  // each row: setting, value and the factory value beside a changed one
        for (const SheetRow& r : setupSheet(described, path, false, {}, unsent, {}, English).rows) {
            sheet << r.caption + ": " + r.value + " (" + r.factory + ")";
        }
        QVERIFY(sheet.contains("Number of Cell: " + cells + (cells == "Auto" ? " ()" : " (Auto)")));
        FormFixture program(FormFixture::Start::Loaded);
        program.form.LoadSettingsFile(path);
        QCOMPARE(controllerCells(program.port.written()), cells);
    }
};

QTEST_GUILESS_MAIN(TestSessions)
#include "TestSessions.moc"
