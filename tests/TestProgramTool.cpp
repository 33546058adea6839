#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "model/SettingsFileCodec.h"
#include "support/ExpectedMessages.h"

using namespace rotaline;

namespace {

// A ">=50A for car" with three settings of its own; slot 9 is not in use.
QByteArray carFile() {
    ParameterBlock block;
    block.value[4] = 3;
    block.value[8] = 1;
    block.value[9] = 5;
    block.value[13] = 5;
    block.value[19] = 2;
    block.value[29] = 4;
    for (int slot : {4, 8, 13, 19, 29}) {
        block.inUse[slot] = true;
    }
    return QByteArray::fromStdString(*encodeSettingsFile(block));
}

const QStringList TypeReset = {
    "133 21  slot 5 airplane model = 20 (reset)", "134 21  slot 6 helicopter model = 20 (reset)",
    "135 21  slot 7 boat model = 20 (reset)", "136 21  slot 8 car model = 20 (reset)",
    "132 4  slot 4 ESC type = 3 (Car)"};

QStringList transcript() {
    const QStringList defaults = testing::factoryDefaultLines(testing::AutoCellsLine);
    return QStringList{"170 85  handshake"} + TypeReset + TypeReset +
           QStringList{"170 85  handshake"} + defaults +
           QStringList{"136 2  slot 8 car model = 1 (>=50A for car)",
                       "141 6  slot 13 current limit = 5 (70A)",
                       "147 3  slot 19 number of cells = 2 (3 cells)",
                       "157 5  slot 29 delay time = 4 (1.5 S)"};
}

QStringList linesOf(const QByteArray& output) {
    QStringList lines = QString::fromLatin1(output).split('\n');
    lines.removeAll(QString());
    return lines;
}

struct Run {
    int status;
    QStringList out;
    QString err;
    QByteArray output;
};

Run program(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(PROGRAM_TOOL), arguments);
    tool.waitForFinished(20000);
    const QByteArray output = tool.readAllStandardOutput();
    return {tool.exitCode(), linesOf(output), QString::fromUtf8(tool.readAllStandardError()),
            output};
}

QString data(const QString& name) {
    return QStringLiteral(TEST_DATA "/") + name;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestProgramTool : public QObject {
    Q_OBJECT
private slots:
    void aControllerReceivesWhatLoadingTheFileSends() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("car.esc"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(carFile());
        out.close();
        QProcess controller;
        controller.start(QStringLiteral(VIRTUAL_CONTROLLER));
        QVERIFY(controller.waitForReadyRead(5000));
        const QString device = QString::fromLatin1(controller.readLine()).trimmed().section(' ', 3);

        const Run run = program({file, device});

        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, transcript());
        QByteArray heard;
        QTRY_VERIFY((heard += controller.readAllStandardOutput()).count('\n') >=
                    transcript().size());
        QCOMPARE(linesOf(heard), transcript());
        controller.terminate();
        controller.waitForFinished();

        const Run dry = program({"--dry-run", file, "/dev/rotaline-absent"});
        QCOMPARE(dry.status, 0);
        QCOMPARE(dry.out, transcript());
    }

    void aBadFileOrPortIsRefusedClearly() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("bad.esc"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(carFile().left(100));
        out.close();

        const Run bad = program({file, "/dev/rotaline-absent"});
        QCOMPARE(bad.status, 2);
        QCOMPARE(bad.err, file + QStringLiteral(": File is not found or file is error!\n"));
        QVERIFY(bad.out.isEmpty());
        const Run described = program({"--describe", file});
        QCOMPARE(described.status, 2);
        QCOMPARE(described.err, bad.err);

        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(carFile());
        out.close();
        const Run noPort = program({file, "/dev/rotaline-absent"});
        QCOMPARE(noPort.status, 3);
        QVERIFY(noPort.err.contains(QStringLiteral("/dev/rotaline-absent cannot be used")));
        QCOMPARE(program({}).status, 2);
        QCOMPARE(program({"--help"}).status, 0);
    }

    void aFileIsDescribedAsReviewed_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("airplane") << QStringList() << "airplane.esc"
                                  << "airplane.txt";
        QTest::newRow("helicopter") << QStringList() << "helicopter.esc"
                                    << "helicopter.txt";
        QTest::newRow("boat") << QStringList() << "boat.esc"
                              << "boat.txt";
        QTest::newRow("car") << QStringList() << "car.esc"
                             << "car.txt";
        QTest::newRow("car in JSON") << QStringList{"--format", "json"} << "car.esc"
                                     << "car.json";
        QTest::newRow("helicopter in Chinese") << QStringList{"--lang", "zh"} << "helicopter.esc"
                                               << "helicopter-zh.txt";
    }

    void aFileIsDescribedAsReviewed() {
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        QFETCH(QString, expected);

        const Run run = program(QStringList{"--describe"} + options + QStringList{data(file)});

        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, contentOf(data(expected)));
    }

    void diffListsOnlyWhatTheControllerGetsOtherwise_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("alike") << 9 << QByteArray("91\"") << 0 << QStringList() << QString();
        QTest::newRow("brake") << 9 << QByteArray("91$") << 1
                               << QStringList{"Brake type: Soft \u2192 Hard"} << QString();
        QTest::newRow("ABS, in use in neither")
            << 26 << QByteArray("J0!") << 0 << QStringList() << QString();
        QTest::newRow("bad file") << 9 << QByteArray("9;$") << 2 << QStringList()
                                  << QStringLiteral(":  File is error !\n");
    }

    void diffListsOnlyWhatTheControllerGetsOtherwise() {
        QFETCH(int, slot);
        QFETCH(QByteArray, line);
        QFETCH(int, status);
        QFETCH(QStringList, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        const QString changed = dir.filePath(QStringLiteral("changed.esc"));
        QFile file(changed);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contentOf(data("airplane.esc")).replace(slot * 5, 3, line));
        file.close();

        const Run run = program({"--diff", data("airplane.esc"), changed});

        QCOMPARE(run.status, status);
        QCOMPARE(QString::fromUtf8(run.output).split('\n', Qt::SkipEmptyParts), out);
        QCOMPARE(run.err, err.isEmpty() ? err : changed + err);
    }
};

QTEST_GUILESS_MAIN(TestProgramTool)
#include "TestProgramTool.moc"
