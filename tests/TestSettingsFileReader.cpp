#include <QTemporaryDir>
#include <QtTest>

#include "files/SettingsFile.h"
#include "model/SettingsFileCodec.h"

using namespace rotaline;

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

    // Each row is also fed one byte at a time, as a file can arrive in any pieces.
    void linesAreCutAsLoadingReadsThem_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("lines");
        QByteArray fortyTwo;
        QList<QByteArray> fortyOne;
        for (int line = 0; line < 42; ++line) {
            fortyTwo += QByteArray::number(line) + "\r\n";
            if (line < 41) {
                fortyOne << QByteArray::number(line);
            }
        }
        QTest::newRow("CR LF, CR, LF")
            << QByteArray("ab\r\ncd\ref\n\ngh") << QList<QByteArray>{"ab", "cd", "ef", "", "gh"};
        QTest::newRow("long lines") << QByteArray("1 !extra\r\n") + QByteArray(300, 'x') + "\n"
                                    << QList<QByteArray>{"1 !", "xxx"};
        QTest::newRow("none after the 41st") << fortyTwo + "\x01" << fortyOne;
        QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    }
    void linesAreCutAsLoadingReadsThem() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QByteArray>, lines);
        SettingsLineReader whole;
        whole.feed(bytes.constData(), bytes.size());
        SettingsLineReader bytewise;
        for (const char& byte : bytes) {
            bytewise.feed(&byte, 1);
        }
        QCOMPARE(whole.lines(), lines);
        QCOMPARE(bytewise.lines(), lines);
    }

    void filesAreReadPastAHundredMegabyteLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.esc"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("00 ");
        QVERIFY(file.resize(100 * 1024 * 1024));
        QVERIFY(file.seek(file.size()));
        file.write("\r\n10 \r\n");
        file.close();
        QCOMPARE(readSettingsLines(path), (QList<QByteArray>{"00 ", "10 "}));
        QVERIFY(!readSettingsLines(dir.filePath(QStringLiteral("missing.esc"))));
        QVERIFY(!readSettingsLines(dir.path()));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFileReader)
#include "TestSettingsFileReader.moc"
