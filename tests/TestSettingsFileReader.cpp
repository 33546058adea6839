#include <sys/resource.h>

#include <QTemporaryDir>
#include <QtTest>

#include "files/SettingsFile.h"

using namespace rotaline;

class TestSettingsFileReader : public QObject {
    Q_OBJECT
private slots:
    // Each row is also fed one byte at a time, as a file can arrive in any pieces.
    void linesAreCutAsLoadingReadsThem_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("CR LF, CR, LF")
            << QByteArray("ab\r\ncd\ref\n\ngh") << QList<QByteArray>{"ab", "cd", "ef", "", "gh"};
        QTest::newRow("long lines") << QByteArray("1 !extra\r\n") + QByteArray(300, 'x') + "\n"
                                    << QList<QByteArray>{"1 !", "xxx"};
        QTest::newRow("none after the 41st")
            << QByteArray("ab\n").repeated(41) + "cd\n\x01" << QList<QByteArray>(41, "ab");
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

    // A file is read a piece at a time and each line kept to its first bytes, so a file of
    // any size loads in little memory.
    void aHundredMegabyteLineTakesNoMemory() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("a.esc")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("00 ") == 3);
        QVERIFY(file.resize(100 * 1024 * 1024) && file.seek(file.size()));
        file.write("\r\n10 \r\n");
        file.close();
        rusage before{};
        ::getrusage(RUSAGE_SELF, &before);
        QCOMPARE(readSettingsLines(file.fileName()), (QList<QByteArray>{"00 ", "10 "}));
        rusage after{};
        ::getrusage(RUSAGE_SELF, &after);
        QCOMPARE_LT(after.ru_maxrss - before.ru_maxrss, 20 * 1024);  // KiB
    }
};

QTEST_GUILESS_MAIN(TestSettingsFileReader)
#include "TestSettingsFileReader.moc"
