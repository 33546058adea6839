#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "files/SettingsFile.h"
#include "model/EscCatalogue.h"
#include "model/MessageDecoder.h"
#include "model/ParameterTable.h"
#include "support/FormFixture.h"
#include "support/FormSession.h"
#include "window/record/BlockDescription.h"
#include "window/record/SetupSheet.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// The messages the controller decodes.
QStringList decoded(const QByteArray& wire) {
    QStringList messages;
    for (const DecodedMessage& message : MessageDecoder().feed(wire.toStdString())) {
        messages << QString::fromStdString(message.text());
    }
    return messages;
}

// The cell count the controller was left with: "Auto" or the number of cells.
QString controllerCells(const QByteArray& wire) {
    const QStringList sent = decoded(wire).filter(QStringLiteral(" slot 19 "));
    return sent.value(sent.size() - 1).section('(', 1).chopped(1).remove(QStringLiteral(" cells"));
}

// What the controller is left with: the last message to each address.
QMap<QString, QString> leftWith(const QStringList& messages) {
    QMap<QString, QString> last;
    for (const QString& message : messages) {
        last.insert(message.section(' ', 0, 0), message);
    }
    return last;
}

ParameterBlock fileBlock(const QString& path) {
    ParameterBlock block;
    decodeSettingsLines(readSettingsLines(path).value(), 0, SlotCount, block);
    return block;
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
        f.controls.SSTab1->select(type);
        f.controls.ComboCTRmodel[type]->setListIndex(model);

        for (const QString& step : steps) {
            if (step == "load") {
                f.dialogs.nextFileName(path);
                f.form.SaveSettingsFile();
                f.form.LoadSettingsFile(path);
            } else {
                QVERIFY(f.apply(step));
            }
        }

        QCOMPARE(controllerCells(f.port.written()), cells);
        const ComboList& list = *f.controls.ComboNoOfCell;
        QCOMPARE(
            list.text().isEmpty() && list.unsentMark().contains("(Auto)") ? "Auto" : list.text(),
            cells);
        f.dialogs.nextFileName(path);
        f.form.SaveSettingsFile();
        const DescribedBlock described = describeBlock(fileBlock(path), English).value();
        QVERIFY(describedLines(described.settings).contains("Number of Cell: " + cells));
        const auto unsent = [](int) { return false; };
        QStringList sheet;  // each row: setting, value and the factory value beside a changed one
        for (const SheetRow& row : setupSheet(described, path, false, {}, unsent, English).rows) {
            sheet << row.caption + ": " + row.value + " (" + row.factory + ")";
        }
        QVERIFY(sheet.contains("Number of Cell: " + cells + (cells == "Auto" ? " ()" : " (Auto)")));
        FormFixture program(FormFixture::Start::Loaded);
        program.form.LoadSettingsFile(path);
        QCOMPARE(controllerCells(program.port.written()), cells);
    }

    // Given a fresh configuration (COM1 unassigned), when each type's file is opened, then the
    // window shows the file in its model's lists, one box says the port cannot be used, and
    // every setting a load sends is marked; once the adapter is there, Send all sends what
    // rotaline-program sends for that file.
    void fileOpensWithoutAdapter_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"airplane", "helicopter", "boat", "car"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void fileOpensWithoutAdapter() {
        QFETCH(QString, name);
        const QString path = QStringLiteral(TEST_DATA "/") + name + QStringLiteral(".esc");
        FormFixture program(FormFixture::Start::Loaded);
        program.form.LoadSettingsFile(path);
        program.form.sendMarked();
        FormFixture f(FormFixture::Start::Made);
        f.port.setPresentPorts({});
        f.form.Form_Load();

        f.form.OpenSettingsFile(path);

        QCOMPARE(f.dialogs.texts(),
                 QStringList{"COM1 is invalild ! \r\nPlease slect other COM port !"});
        QVERIFY(f.port.written().isEmpty());
        QFile described(QStringLiteral(TEST_DATA "/") + name + QStringLiteral(".txt"));
        QVERIFY(described.open(QIODevice::ReadOnly));
        QCOMPARE(describedLines(describeSettings(f.form, f.form.block())).join('\n') + '\n',
                 QString::fromUtf8(described.readAll()));
        QSet<int> sent;
        for (const DecodedMessage& m :
             MessageDecoder().feed(program.port.written().toStdString())) {
            if (findParameter(m.slot) != nullptr) {
                sent.insert(m.slot);
                QVERIFY(f.form.isUnsent(m.slot));
            }
        }
        QCOMPARE(f.form.unsentCount(), sent.size());

        f.port.setPresentPorts({1});
        f.form.mnuSendAll_Click();

        // Every message the tool sends, in its order, and the controller left alike. A programmer
        // just started chose the Airplane tab first; the window puts a setting it showed
        // otherwise back to the factory's before the file's value (the timing monitor).
        const QStringList window = decoded(f.port.written());
        const QStringList tool = decoded(program.port.written());
        qsizetype found = tool.lastIndexOf(QRegularExpression(".* slot 5 .*reset.*"));
        for (const QString& message : window) {
            found += found < tool.size() && tool[found] == message ? 1 : 0;
        }
        QCOMPARE(found, tool.size());
        QCOMPARE(leftWith(window), leftWith(tool));
        QCOMPARE(f.form.unsentCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSessions)
#include "TestSessions.moc"
