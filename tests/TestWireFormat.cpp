#include <QtTest>

#include "model/EscCatalogue.h"
#include "model/WireFormat.h"

using namespace rotaline;

class TestWireFormat : public QObject {
    Q_OBJECT
private slots:
    void cellCodes_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("code");
        QTest::newRow("Auto") << "Auto" << 0;
        QTest::newRow("2") << "2" << 1;
        QTest::newRow("3") << "3" << 2;
        QTest::newRow("9") << "9" << 8;
        QTest::newRow("10") << "10" << 9;
    }
    void cellCodes() {
        QFETCH(QString, entry);
        QFETCH(int, code);
        QCOMPARE(cellCode(entry.toStdString()), code);
    }
};

QTEST_GUILESS_MAIN(TestWireFormat)
#include "TestWireFormat.moc"
