#include <QTemporaryDir>
#include <QtTest>

#include "platform/AdapterDiagnosis.h"
#include "platform/AppendLog.h"
#include "platform/DevicePath.h"
#include "platform/PortResolver.h"
#include "platform/RegularFiles.h"
#include "platform/windows/DeviceRecords.h"
#include "platform/windows/Handle.h"
#include "platform/windows/LongPath.h"
#include "platform/windows/SystemError.h"
#include "support/MemorySettingsStore.h"
#include "window/port/AdapterAdvice.h"
#include "window/port/AdapterReport.h"
#include "window/texts/SystemReasons.h"

using namespace rotaline;
using namespace rotaline::testing;

Q_DECLARE_METATYPE(QList<DeviceRecord>)

namespace {

constexpr unsigned long AccessDenied = 5;  // ERROR_ACCESS_DENIED, in the system's own words

// A CH340 as Windows 10 records it with WCH's driver, and before any driver is installed.
const DeviceRecord Ch340{"USB\\VID_1A86&PID_7523\\5&2F3A1C&0&3",
                         "USB\\VID_1A86&PID_7523\\5&2F3A1C&0&3",
                         "USB-SERIAL CH340 (COM23)",
                         "wch.cn",
                         "COM23",
                         "1a86",
                         "7523",
                         "",
                         0};

DeviceRecord with(DeviceRecord record, const QString& name, const QString& port,
                  unsigned long problem) {
    record.friendlyName = name;
    record.port = port;
    record.problem = problem;
    return record;
}

}  // namespace

// What Wine does as Windows does: port names, and saving through a copy with ReplaceFileW. Wine
// keeps no device manager records of serial ports, so the diagnosis is given made-up ones.
class TestWindowsPlatform : public QObject {
    Q_OBJECT
private slots:
    // Given the device manager's records of the ports and the USB devices, when the adapters are
    // listed, then each says in the system's own words why it cannot be used and what to do.
    void theDeviceManagersProblemsAreNamed_data() {
        QTest::addColumn<QList<DeviceRecord>>("ports");
        QTest::addColumn<QList<DeviceRecord>>("usb");
        QTest::addColumn<QStringList>("report");
        const QStringList ready{"COM23: CH340 1a86:7523, wch.cn USB-SERIAL CH340 (COM23)",
                                "  stable name: COM23", "  COM number: none", "  state: Ready."};
        QTest::newRow("working") << QList{Ch340} << QList{Ch340} << ready;
        QTest::newRow("no driver (28)")
            << QList<DeviceRecord>{} << QList{with(Ch340, "USB2.0-Serial", "", 28)}
            << QStringList{"no serial device: CH340 1a86:7523, wch.cn USB2.0-Serial",
                           "  problem: No driver is installed for the CH340 adapter.",
                           "  fix: Install its driver, CH341SER (WCH), then plug the adapter in "
                           "again. Windows Update may offer it under Optional updates."};
        const DeviceRecord pl2303{"USB\\VID_067B&PID_2303\\6&1D2E&0&1",
                                  "USB\\VID_067B&PID_2303\\6&1D2E&0&1",
                                  "Prolific USB-to-Serial Comm Port (COM3)",
                                  "Prolific",
                                  "COM3",
                                  "067b",
                                  "2303",
                                  "",
                                  10};
        QTest::newRow("refused by its driver (10)")
            << QList{pl2303} << QList{pl2303}
            << QStringList{
                   "COM3: PL2303 067b:2303, Prolific Prolific USB-to-Serial Comm Port "
                   "(COM3)",
                   "  stable name: COM3", "  COM number: none",
                   "  problem: The driver of the COM3 adapter could not start it.",
                   "  fix: Plug the adapter in again; if that does not help, install its "
                   "driver, PL2303 (Prolific), again. Prolific's newer drivers refuse old "
                   "and copied PL2303 chips: use an adapter with another chip."};
        const DeviceRecord disabled = with(Ch340, Ch340.friendlyName, "COM23", 22);
        QTest::newRow("disabled (22)")
            << QList{disabled} << QList{disabled}
            << QStringList{ready[0], ready[1], ready[2],
                           "  problem: The COM23 adapter is disabled in the Device Manager.",
                           "  fix: In the Device Manager, right-click the adapter and choose "
                           "\"Enable device\"."};
        // FTDI's bus driver makes the port as a device of its own below the USB device, and
        // makes none with "Load VCP" unticked.
        const DeviceRecord ftdi{"USB\\VID_0403&PID_6001\\A50285BI",
                                "USB\\VID_0403&PID_6001\\A50285BI",
                                "USB Serial Converter",
                                "FTDI",
                                "",
                                "0403",
                                "6001",
                                "A50285BI",
                                0};
        DeviceRecord ftdiPort = with(ftdi, "USB Serial Port (COM5)", "COM5", 0);
        ftdiPort.instance = "FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000";
        QTest::newRow("FTDI with its port")
            << QList{ftdiPort} << QList{ftdi}
            << QStringList{
                   "COM5: FT232R 0403:6001, FTDI USB Serial "
                   "Port (COM5)",
                   "  stable name: COM5", "  COM number: none", "  state: Ready."};
        QTest::newRow("FTDI without its port")
            << QList<DeviceRecord>{} << QList{ftdi}
            << QStringList{"no serial device: FT232R 0403:6001, FTDI USB Serial Converter",
                           "  problem: The driver of the FT232R adapter makes no COM port for it.",
                           "  fix: Install its driver, VCP (FTDI), which makes one. FTDI's driver "
                           "makes one only with \"Load VCP\" ticked: Device Manager, the "
                           "adapter's \"USB Serial Converter\", Properties, Advanced."};
        QTest::newRow("nothing on USB")
            << QList<DeviceRecord>{} << QList<DeviceRecord>{}
            << QStringList{"no serial device",
                           "  problem: No serial adapter is plugged in: the system shows none on "
                           "USB.",
                           "  fix: Plug the adapter in. If it still does not show, its cable may "
                           "be a charge-only cable (without data lines) or its hub may have no "
                           "power: try another cable or socket."};
    }
    void theDeviceManagersProblemsAreNamed() {
        QFETCH(QList<DeviceRecord>, ports);
        QFETCH(QList<DeviceRecord>, usb);
        QFETCH(QStringList, report);
        const QByteArray text = adaptersText(
            findingsFrom(ports, usb), [](const QString&) { return 0; }, English);
        QCOMPARE(QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts), report);
    }

    // Given a system that lets every user open its ports, when the adapters window asks where
    // the user stands, then it is told nothing of groups.
    void noGroupIsNamed() { QCOMPARE(standingText(surveyAdapters().standing, English), QString()); }

    void aPortIsNamedAsTheUserSeesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("device");
        QTest::newRow("COM5") << "COM5"
                              << "COM5";
        QTest::newRow("lower case") << "com23"
                                    << "COM23";
        QTest::newRow("device path") << "\\\\.\\COM23"
                                     << "COM23";
        QTest::newRow("another driver's") << "\\\\.\\CNCA0"
                                          << "CNCA0";
        QTest::newRow("COM0 is none") << "com0"
                                      << "com0";
    }
    // One port, one name: the open, the adapters window and the journal meet the same port.
    void aPortIsNamedAsTheUserSeesIt() {
        QFETCH(QString, typed);
        QFETCH(QString, device);
        QCOMPARE(devicePath(typed), device);
        QCOMPARE(typedDevice(typed), device);
        QCOMPARE(PortResolver::stableNameOf(typed), device);
        MemorySettingsStore store;
        store.setValue("Ports", "COM3", typed);
        QCOMPARE(PortResolver(store).deviceFor(3), device);
    }

    // Given COM5 given to COM23 and COM3 to the system's COM2 in the adapters window, when the
    // user chooses numbers in the port list, then only those lead to the system's port of the
    // number: a fresh profile opens no COM1, and no number takes a port another number has. The
    // system's own port gives way to an adapter without a question.
    void onlyAChosenNumberLeadsToTheSystemsPort_data() {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QStringList>("devices");  // of COM1, COM2, COM5
        QTest::newRow("fresh profile") << QList<int>{} << QStringList{"", "", "COM23"};
        QTest::newRow("COM2, then COM1") << QList<int>{2, 1} << QStringList{"COM1", "", "COM23"};
        QTest::newRow("COM5 keeps its adapter") << QList<int>{5} << QStringList{"", "", "COM23"};
    }
    void onlyAChosenNumberLeadsToTheSystemsPort() {
        QFETCH(QList<int>, chosen);
        QFETCH(QStringList, devices);
        MemorySettingsStore store;
        PortResolver resolver(store);
        resolver.assign("com23", 5);
        resolver.assign("\\\\.\\COM2", 3);
        for (const int number : chosen) {
            resolver.choose(number);
        }
        QCOMPARE((QStringList{resolver.deviceFor(1), resolver.deviceFor(2), resolver.deviceFor(5)}),
                 devices);
        QCOMPARE(resolver.isOwnPort(1), devices[0] == "COM1");
        QCOMPARE(resolver.isOwnPort(5), false);
    }

    // Given a journal bounded to 100 bytes as a user's disk may hold it, when a 40-byte line is
    // appended and the journal read, then it was written or refused with the system's reason,
    // and what is read is bounded.
    void theJournalKeepsItsBoundOnHostileFiles_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("refusal");  // "" when the line was written
        QTest::addColumn<int>("linesRead");
        QTest::addColumn<QString>("trouble");  // which file could not be read or was cut, why
        QTest::newRow("rotated past its bound") << "5 lines"
                                                << "" << 3 << "";
        QTest::newRow("a folder in its place") << "folder J"
                                               << "It is a folder." << 0 << "J: It is a folder.";
        QTest::newRow("full, and a folder where it is rotated to")
            << "full J, folder J.1"
            << "It is full and cannot be rotated: " + systemMessage(AccessDenied) << 3
            << "J.1: It is a folder.";
        QTest::newRow("grown by hand to 1 MB") << "1 MB J"
                                               << "" << 5 << "J.1: cut to 200";
        const QString hardLinked = HardLinkedReason;
        QTest::newRow("a hard link to another file")
            << "hard link J" << hardLinked << 0 << "J: " + hardLinked;
        QTest::newRow("its lock held by another program")
            << "lock held" << QString(LockHeldReason) << 0 << "";
    }
    void theJournalKeepsItsBoundOnHostileFiles() {
        QFETCH(QString, layout);
        QFETCH(QString, refusal);
        QFETCH(int, linesRead);
        QFETCH(QString, trouble);
        constexpr qint64 Bound = 100;
        const QByteArray line = QByteArray(39, 'x') + '\n';
        QTemporaryDir top;  // under a folder deeper than 260 characters, its name not Latin
        const QDir dir(
            top.filePath(QStringLiteral("飞机") + QString(130, 'x') + "/" + QString(130, 'y')));
        QVERIFY(dir.mkpath("."));
        const QString journal = dir.filePath(QStringLiteral("J"));
        QString error;
        for (int n = 0; layout == "5 lines" && n < 5; ++n) {
            QVERIFY(appendLogLine(journal, line, Bound, &error));
        }
        for (const QString& folder : {QStringLiteral("J"), QStringLiteral("J.1")}) {
            QVERIFY(!layout.split(", ").contains("folder " + folder) || dir.mkdir(folder));
        }
        if (layout.startsWith("full") || layout.startsWith("1 MB")) {
            QFile file(journal);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(line.repeated(layout.startsWith("full") ? 3 : 1048576 / line.size()));
        }
        if (layout == "hard link J") {
            QFile precious(dir.filePath(QStringLiteral("precious")));
            QVERIFY(precious.open(QIODevice::WriteOnly) && precious.write(line) == line.size());
            precious.close();
            QVERIFY(CreateHardLinkW(wide(longPath(journal)), wide(longPath(precious.fileName())),
                                    nullptr));
        }
        // Another handle's lock keeps this one out as another program's does.
        const Handle lock(layout == "lock held"
                              ? CreateFileW(wide(longPath(journal + ".lock")),
                                            GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)
                              : INVALID_HANDLE_VALUE);
        OVERLAPPED whole{};
        QVERIFY(layout != "lock held" ||
                LockFileEx(lock.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole));
        const qint64 before = QFileInfo(journal).size();

        const bool written = appendLogLine(journal, line, Bound, &error);
        LogTrouble read;
        const QList<QByteArray> lines = readLogLines(journal, Bound, &read);

        QCOMPARE(written ? QString() : error, refusal);
        if (!written) {
            QCOMPARE(QFileInfo(journal).size(), before);
        }
        for (const QString& name : {QStringLiteral("J"), QStringLiteral("J.1")}) {
            const QFileInfo file(dir.filePath(name));
            QVERIFY(!file.isFile() || file.size() <= Bound + line.size() || before > Bound);
        }
        QCOMPARE(lines.size(), linesRead);
        const QString unread = QFileInfo(read.unreadFile).fileName() + ": " + read.reason;
        const QString cut =
            QFileInfo(read.cutFile).fileName() + ": cut to " + QString::number(read.readBytes);
        QCOMPARE(!read.unreadFile.isEmpty() ? unread
                 : !read.cutFile.isEmpty()  ? cut
                                            : QString(),
                 trouble);
    }

    // Given a file, a read-only file and a folder, when each is saved over, then the file holds
    // the new bytes, the others are refused and left as they were, and no copy stays behind.
    void aSaveReplacesOnlyAWritableRegularFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.esc"));
        const QString readOnly = dir.filePath(QStringLiteral("b.esc"));
        QString error;
        QVERIFY(replaceFileContents(file, "old", &error));
        QVERIFY(replaceFileContents(readOnly, "kept", &error));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("c.esc")));

        QVERIFY(replaceFileContents(file, "new", &error));
        QVERIFY(!replaceFileContents(readOnly, "new", &error));
        QCOMPARE(reasonIn(error, German), QStringLiteral("Die Datei ist schreibgeschützt."));
        QVERIFY(!replaceFileContents(dir.filePath(QStringLiteral("c.esc")), "new", &error));
        QCOMPARE(reasonIn(error, Chinese), QStringLiteral("这是一个文件夹。"));

        QFile saved(file);
        QFile kept(readOnly);
        QVERIFY(saved.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("new"));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"a.esc", "b.esc", "c.esc"}));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner));
    }
};

QTEST_GUILESS_MAIN(TestWindowsPlatform)
#include "TestWindowsPlatform.moc"
