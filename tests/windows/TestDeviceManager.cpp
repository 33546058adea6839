#include <QtTest>

#include "platform/windows/DeviceRecords.h"
#include "support/DataFile.h"
#include "window/port/AdapterReport.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// The records as the data file gives them, one a line: IDS LAST NAME MAKER PORT PROBLEM
// [INSTANCE].
QList<DeviceRecord> recordsOf(const QStringList& lines) {
    QList<DeviceRecord> records;
    for (const QString& line : lines) {
        const QStringList w = wordsOf(line);
        const QString ids = w.value(0), last = w.value(1);
        const QString usb =
            QString("USB\\VID_%1&PID_%2\\").arg(ids.left(4).toUpper(), ids.mid(5)) + last;
        records.append({w.value(6, usb), usb, w.value(2), w.value(3),
                        w.value(4) == "-" ? QString() : w.value(4), ids.left(4), ids.mid(5),
                        last.contains('&') ? QString() : last, w.value(5).toULong()});
    }
    return records;
}

}  // namespace

// Windows' own causes, from the device manager's records. Wine keeps no records of serial ports,
// so the diagnosis is given made-up ones; what every system promises is in tests/contract.
class TestDeviceManager : public QObject {
    Q_OBJECT
private slots:
    // Given the records of data/adapters/windows.txt, when the adapters are listed, then each
    // says in the system's own words why it cannot be used and what to do.
    void theDeviceManagersProblemsAreNamed_data() {
        addDataRows("records", TEST_DATA "/adapters/windows.txt");
    }
    void theDeviceManagersProblemsAreNamed() {
        QFETCH(DataRow, records);
        const QByteArray text = adaptersText(
            findingsFrom(recordsOf(records.values("port")), recordsOf(records.values("usb"))),
            [](const QString&) { return 0; }, English);
        QCOMPARE(QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts), records.values("report"));
    }
};

QTEST_GUILESS_MAIN(TestDeviceManager)
#include "TestDeviceManager.moc"
