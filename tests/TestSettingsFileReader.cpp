#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "files/SettingsFile.h"
#include "model/SettingsFileCodec.h"
#include "support/UnwritableFolder.h"

using namespace rotaline;
using rotaline::testing::UnwritableFolder;

namespace {

QList<QByteArray> linesOf(const std::string& bytes) {
    QList<QByteArray> lines = QByteArray::fromStdString(bytes).split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        line.chop(1);
    }
    return lines;
}

std::string startUpFile() {
    return *encodeSettingsFile(ParameterBlock::atStartUp());
}

}  // namespace

class TestSettingsFileReader : public QObject {
    Q_OBJECT
private slots:
    void aBlockIsWrittenAsFortyOneLinesOfThreeBytes() {
        ParameterBlock block = ParameterBlock::atStartUp();
        block.inUse[40] = false;
        block.value[14] = 30;
        block.value[32] = 201;
        const std::string bytes = *encodeSettingsFile(block);

        QCOMPARE(int(bytes.size()), 205);
        QCOMPARE(QByteArray::fromStdString(bytes.substr(0, 15)),
                 QByteArray("00 \r\n10 \r\n20 \r\n"));
        QCOMPARE(QByteArray::fromStdString(bytes.substr(50, 5)), QByteArray(":2!\r\n"));
        QCOMPARE(QByteArray::fromStdString(bytes.substr(70, 5)), QByteArray(">6>\r\n"));
        QCOMPARE(QByteArray::fromStdString(bytes.substr(160, 5)), QByteArray("P6\xE9\r\n"));
        QCOMPARE(QByteArray::fromStdString(bytes.substr(200, 5)), QByteArray("X0 \r\n"));

        block.value[3] = 224;
        QVERIFY(!encodeSettingsFile(block));
    }

    void linesAreReadAsBytes() {
        QList<QByteArray> lines = linesOf(startUpFile());
        lines[32] = QByteArray("P6\xE9");
        lines[2] = QByteArray("2: ");
        lines[1] = QByteArray("1 !extra");
        const SettingsFileContent content = checkSettingsLines(lines, 3);

        QCOMPARE(content.fault, SettingsFault::None);
        QCOMPARE(int(content.block.value[32]), 201);
        QVERIFY(content.block.inUse[2]);
        QVERIFY(content.block.inUse[1]);
        QCOMPARE(int(content.block.value[1]), 1);
    }

    void faultsAreFoundInTheOrderALoaderMeetsThem_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fault");
        const int bad = int(SettingsFault::BadFlag), damaged = int(SettingsFault::Damaged);
        QTest::newRow("flag ;") << 3 << QByteArray("3; ") << bad;
        QTest::newRow("flag letter") << 3 << QByteArray("3A ") << bad;
        QTest::newRow("short line") << 12 << QByteArray("<1") << damaged;
        QTest::newRow("value below 32") << 20 << QByteArray("D3\x1f") << damaged;
        QTest::newRow("port 16") << 0 << QByteArray("000") << damaged;
        QTest::newRow("type 4") << 4 << QByteArray("45$") << damaged;
        QTest::newRow("boat model 2") << 7 << QByteArray("78\"") << damaged;
        QTest::newRow("brake 6") << 9 << QByteArray("91&") << damaged;
        QTest::newRow("timing 31") << 14 << QByteArray(">6?") << damaged;
        QTest::newRow("cell position 3 of 3") << 19 << QByteArray("C2#") << damaged;
        QTest::newRow("unused slot 40 any value") << 40 << QByteArray("X5\xff") << 0;
        QTest::newRow("model of another type not in use") << 6 << QByteArray("60\x7f") << 0;
    }
    void faultsAreFoundInTheOrderALoaderMeetsThem() {
        QFETCH(int, line);
        QFETCH(QByteArray, bytes);
        QFETCH(int, fault);
        QList<QByteArray> lines = linesOf(startUpFile());
        lines[line] = bytes;
        QCOMPARE(int(checkSettingsLines(lines, 3).fault), fault);
    }

    void theCellListIsTheOneTheFilesModelBuilds() {
        QList<QByteArray> lines = linesOf(startUpFile());
        lines[4] = QByteArray("45!");  // Helicopter
        lines[6] = QByteArray("67!");  // its second model: "4" .. "10"
        lines[19] = QByteArray("C2&");
        QCOMPARE(checkSettingsLines(lines, 3).fault, SettingsFault::None);
        lines[19] = QByteArray("C2'");
        QCOMPARE(checkSettingsLines(lines, 3).fault, SettingsFault::Damaged);
    }

    void aHeadFaultComesBeforeABadFlagFurtherDown() {
        QList<QByteArray> lines = linesOf(startUpFile());
        lines[4] = QByteArray("45(");
        lines[30] = QByteArray("N; ");
        QCOMPARE(checkSettingsLines(lines, 3).fault, SettingsFault::Damaged);
        lines[4] = QByteArray("45 ");
        QCOMPARE(checkSettingsLines(lines, 3).fault, SettingsFault::BadFlag);
    }

    void filesAreReadWithinBoundsAndLinesAfterTheLastAreIgnored() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.esc"));
        auto write = [&](const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write(QByteArray::fromStdString(startUpFile()) + "garbage\r\n\x01\x02");
        QCOMPARE(readSettingsFile(path, 3).fault, SettingsFault::None);

        write(QByteArray::fromStdString(startUpFile()).left(200));
        QCOMPARE(readSettingsFile(path, 3).fault, SettingsFault::Damaged);
        write(QByteArray::fromStdString(startUpFile()).left(203));
        QCOMPARE(readSettingsFile(path, 3).fault, SettingsFault::None);
        write(QByteArray());
        QCOMPARE(readSettingsFile(path, 3).fault, SettingsFault::Damaged);
        QCOMPARE(readSettingsFile(dir.filePath(QStringLiteral("missing.esc")), 3).fault,
                 SettingsFault::Damaged);
        write(QByteArray(300, '0') + "\r\n" + QByteArray::fromStdString(startUpFile()));
        QCOMPARE(readSettingsFile(path, 3).fault, SettingsFault::Damaged);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFileReader)
#include "TestSettingsFileReader.moc"
