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
};

QTEST_GUILESS_MAIN(TestSettingsFileReader)
#include "TestSettingsFileReader.moc"
