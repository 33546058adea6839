#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "model/SettingsFileCodec.h"
#include "support/FormFixture.h"
#include "support/UnwritableFolder.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

const QString Damaged = QStringLiteral("File is not found or file is error!");
const QString BadFlag = QStringLiteral(" File is error !");

const QStringList StartUpLines = {"00 ", "10 ", "20 ", "34 ", "45 ", "56 ", "60 ", "70 ", "80 ",
                                  "91 ", ":0!", ";0 ", "<0 ", "=5 ", ">6 ", "?7 ", "@8 ", "A9 ",
                                  "B1 ", "C2 ", "D3 ", "E4 ", "F5 ", "G6 ", "H7!", "I8 ", "J0 ",
                                  "K1 ", "L2 ", "M3 ", "N0 ", "O0 ", "P6 ", "Q7 ", "R8 ", "S9 ",
                                  "T1 ", "U2 ", "V3 ", "W4 ", "X5 "};

QByteArray fileOf(const QStringList& lines) {
    return lines.join("\r\n").toLatin1() + "\r\n";
}

QByteArray startUpFileWith(std::initializer_list<std::pair<int, const char*>> changes) {
    QStringList lines = StartUpLines;
    for (const auto& [line, bytes] : changes) {
        lines[line] = QString::fromLatin1(bytes);
    }
    return fileOf(lines);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class TestSettingsFiles : public QObject {
    Q_OBJECT
private slots:
    void savingAfterStartUpWritesTheStartUpBlock() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("start.esc"));
        FormFixture f(Start::Loaded);
        f.dialogs.nextFileName(path);
        f.dialogs.nextFileName(path);

        f.form.Toolbar1_ButtonClick(QStringLiteral("保存"));
        const QByteArray first = readAll(path);
        f.controls.mnuSave->click();

        QCOMPARE(first, fileOf(StartUpLines));
        QCOMPARE(readAll(path), first);
        QCOMPARE(f.dialogs.filters(),
                 QStringList({"ESC Files(*.esc)|*.esc", "ESC Files(*.esc)|*.esc"}));
        QCOMPARE(f.controls.mnuFileMRU[1]->caption(), QStringLiteral("&1 ") + path);
        QCOMPARE(f.note(), QStringLiteral("Select COM port: COM1\r\n"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void aSaveThatCannotBeWrittenSaysSoAndKeepsTheRecentList() {
        UnwritableFolder folder;
        const QByteArray before = folder.oldContent();
        FormFixture f(Start::Loaded);
        f.dialogs.nextFileName(folder.oldFile());

        f.form.SaveSettingsFile();

        QCOMPARE(f.dialogs.shown().size(), 1);
        QVERIFY(f.dialogs.texts().first().startsWith(
            QStringLiteral("The settings could not be saved to ") + folder.oldFile()));
        QCOMPARE(f.dialogs.shown().first().icon, Dialogs::Icon::None);
        QCOMPARE(folder.oldContent(), before);
        QVERIFY(!f.controls.mnuFileMRU[0]->isVisible());
    }

    void aRejectedFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        auto with = [](int line, const char* bytes) { return startUpFileWith({{line, bytes}}); };
        QTest::newRow("empty") << QByteArray() << Damaged;
        QTest::newRow("40 lines") << fileOf(StartUpLines.mid(0, 40)) << Damaged;
        QTest::newRow("short line") << with(22, "F5") << Damaged;
        QTest::newRow("flag ;") << with(3, "3; ") << BadFlag;
        QTest::newRow("flag ; ending the line") << with(3, "3;") << BadFlag;
        QTest::newRow("flag letter") << with(30, "Nx ") << BadFlag;
        QTest::newRow("value below 32") << with(24, "H7\x1f") << Damaged;
        QTest::newRow("port 16") << with(0, "000") << Damaged;
        QTest::newRow("type 4") << with(4, "45$") << Damaged;
        QTest::newRow("type 4, then a flag ;")
            << startUpFileWith({{4, "45$"}, {30, "N; "}}) << Damaged;
        QTest::newRow("model 2 on boat") << startUpFileWith({{4, "45\""}, {7, "78\""}}) << Damaged;
        QTest::newRow("brake 6") << with(9, "91&") << Damaged;
        QTest::newRow("cell 7 of three") << with(19, "C2'") << Damaged;
        QTest::newRow("timing 31") << with(14, ">6?") << Damaged;
        QByteArray noise(10 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        QTest::newRow("10 MB of noise") << noise << BadFlag;
    }
    void aRejectedFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.esc"));
        writeFile(path, bytes);
        FormFixture f(Start::Loaded);
        f.controls.ComboCOM->setListIndex(2);
        f.controls.OptionBrake->select(2);
        f.port.clearWritten();
        const QString before = f.snapshot();

        f.form.LoadSettingsFile(path);

        QCOMPARE(f.dialogs.texts(), QStringList({message}));
        QCOMPARE(f.dialogs.shown().first().icon, Dialogs::Icon::None);
        QCOMPARE(f.snapshot(), before);
        QVERIFY(f.port.log().isEmpty());
    }

    // The form starts on ">=40A for aireplane", whose cell list is "2" .. "5". With the link down
    // a model choice is refused and the list stays as it is.
    void whatTheLoadMeetsDecides_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("linkDown");
        QTest::addColumn<QString>("cells");  // "" when refused
        const QByteArray helicopterCell = [] {
            QByteArray bytes = startUpFileWith({{4, "45!"}, {5, "50 "}, {6, "67!"}, {19, "C2&"}});
            return bytes.replace("D3 ", "D3 " + QByteArray(300, 'x'));
        }();
        QTest::newRow("unused slot, any value")
            << startUpFileWith({{40, "X5\xff"}}) << false << QString("Auto");
        QTest::newRow("other type's model")
            << startUpFileWith({{6, "60\x7f"}}) << false << QString("Auto");
        QTest::newRow("helicopter list, long line") << helicopterCell << false << QString("10");
        QTest::newRow("link down: no such cell")
            << QByteArray(helicopterCell).replace("C2&", "C2%") << true << QString();
        QTest::newRow("link down: the cell the list has")
            << startUpFileWith({{19, "C2#"}}) << true << QString("5");
    }
    void whatTheLoadMeetsDecides() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, linkDown);
        QFETCH(QString, cells);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.esc"));
        writeFile(path, bytes);
        FormFixture f(Start::Loaded);
        f.controls.ComboCTRmodel[0]->setListIndex(1);
        if (linkDown) {
            f.port.failNextWrite();
            f.controls.OptionBrake->select(2);
        }
        f.dialogs.clear();
        f.port.clearWritten();
        const QString before = f.snapshot();

        f.form.LoadSettingsFile(path);

        QCOMPARE(f.dialogs.texts().contains(Damaged), cells.isEmpty());
        QCOMPARE(f.port.log().value(0), cells.isEmpty() ? QString() : QStringLiteral("close"));
        QCOMPARE(f.controls.ComboNoOfCell->text(), cells.isEmpty() ? QStringLiteral("2") : cells);
        QVERIFY(!cells.isEmpty() || f.snapshot() == before);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "TestSettingsFiles.moc"
