#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <memory>

#include "platform/PortHolders.h"
#include "platform/QtSerialPort.h"
#include "pty/PseudoTerminal.h"
#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

namespace {

QByteArray bytesOf(const std::string& text) {
    return QByteArray::fromStdString(text);
}

// The programmer's form on the real serial port, every COMn resolved by `devices`.
struct RealPortForm {
    QHash<int, QString> devices;
    QtSerialPort port{[this](int n) { return devices.value(n); }};
    ProgrammingLink link{port};
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MainForm form{link, dialogs, settings};
    Controls& controls = form.controls();

    RealPortForm() { form.FillValueLists(); }
    QString note() const { return form.controls().Text1->text(); }
};

}  // namespace

class TestQtSerialPort : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (!PseudoTerminal().isOpen()) {
            QSKIP("no pseudo-terminals here");
        }
    }

    void portSelectionWritesTheHandshakeAndClosesThePort() {
        PseudoTerminal adapter;
        RealPortForm f;
        f.devices[3] = QString::fromStdString(adapter.slavePath());
        f.controls.Text1->setText(QString());

        f.controls.ComboCOM->setListIndex(2);

        QCOMPARE(bytesOf(adapter.read(1000ms)), QByteArray("\xAA\x55"));
        QVERIFY(!f.port.isOpen());
        QVERIFY(f.link.isReady());
        QCOMPARE(f.note(), QStringLiteral("Select COM port: COM3\r\n"));
        QVERIFY(f.controls.ImageOn->isVisible());
        QCOMPARE(f.port.settings(), QStringLiteral("300,e,8,1"));
    }

    void theNextSendOpensThePortWithTheLineSettings() {
        PseudoTerminal adapter;
        RealPortForm f;
        f.devices[1] = QString::fromStdString(adapter.slavePath());
        f.controls.ComboCOM->setListIndex(0);
        adapter.read(500ms);

        f.controls.OptionBrake->select(4);

        QCOMPARE(bytesOf(adapter.read(1000ms)), QByteArray("\x89\x05"));
        QVERIFY(f.port.isOpen());
        QCOMPARE(adapter.baud(), 300);
        QCOMPARE(adapter.dataBits(), 8);
        QCOMPARE(f.port.port().dataBits(), QSerialPort::Data8);
        QCOMPARE(f.port.port().parity(), QSerialPort::EvenParity);
        QCOMPARE(f.port.port().stopBits(), QSerialPort::OneStop);
        QCOMPARE(f.port.port().flowControl(), QSerialPort::NoFlowControl);
    }

    void aMissingDeviceTurnsTheLampOffQuietly() {
        RealPortForm f;
        f.devices[2] = QStringLiteral("/dev/rotaline-no-such-device");
        f.controls.Text1->setText(QString());

        f.controls.ComboCOM->setListIndex(1);
        QCOMPARE(f.note(), QStringLiteral("COM2 port is invalid !\r\n"));
        QVERIFY(f.controls.ImageOff->isVisible());
        QVERIFY(!f.link.isReady());
        QVERIFY(f.dialogs.shown().isEmpty());
        QCOMPARE(f.port.problem(), PortProblem::Absent);
        QVERIFY(f.port.errorString().contains(QStringLiteral("/dev/rotaline-no-such-device")));

        f.controls.ComboCOM->setListIndex(4);
        QCOMPARE(f.port.errorString(), QStringLiteral("No adapter is assigned to COM5."));
    }

    void aPulledAdapterFailsTheNextSendAndAnotherPortRecovers() {
        auto adapter = std::make_unique<PseudoTerminal>();
        PseudoTerminal spare;
        RealPortForm f;
        f.devices[1] = QString::fromStdString(adapter->slavePath());
        f.devices[2] = QString::fromStdString(spare.slavePath());
        f.controls.ComboCOM->setListIndex(0);
        f.controls.OptionBrake->select(1);
        QCOMPARE(bytesOf(adapter->read(1000ms)), QByteArray("\xAA\x55\x89\x02"));

        adapter.reset();
        QTest::qWait(50);
        f.controls.OptionBrake->select(2);

        QCOMPARE(f.dialogs.texts(),
                 QStringList({"COM1 is invalild ! \r\nPlease slect other COM port !"}));
        QVERIFY(!f.link.isReady());

        f.controls.ComboCOM->setListIndex(1);
        f.controls.OptionBrake->select(3);
        QCOMPARE(bytesOf(spare.read(1000ms)), QByteArray("\xAA\x55\x89\x04"));
        QVERIFY(f.link.isReady());
    }

    void receivedBytesAreShownAfterTheWait() {
        PseudoTerminal adapter;
        RealPortForm f;
        f.devices[1] = QString::fromStdString(adapter.slavePath());
        f.controls.ComboCOM->setListIndex(0);
        f.controls.OptionBrake->select(1);
        f.controls.Text1->setText(QString());

        adapter.write("OK\xE9");
        QTRY_COMPARE(f.note(), QStringLiteral("OK\u00E9"));
    }

    void numberAndSettingsAreRefusedWhileOpen() {
        PseudoTerminal adapter;
        QtSerialPort port([&](int) { return QString::fromStdString(adapter.slavePath()); });
        QVERIFY2(port.open(), qPrintable(port.errorString()));
        QVERIFY(!port.setPortNumber(2));
        QVERIFY(!port.setSettings(QStringLiteral("9600,n,8,1")));
        port.close();
        QVERIFY(port.setPortNumber(16));
        QVERIFY(!port.setPortNumber(17));
        QVERIFY(!port.setPortNumber(0));
        QCOMPARE(port.portNumber(), 16);
    }

    void malformedSettingsAreRefused_data() {
        QTest::addColumn<QString>("settings");
        QTest::newRow("parity") << "300,x,8,1";
        QTest::newRow("data bits") << "300,e,9,1";
        QTest::newRow("stop bits") << "300,e,8,3";
        QTest::newRow("baud") << "fast,e,8,1";
        QTest::newRow("zero baud") << "0,e,8,1";
        QTest::newRow("three fields") << "300,e,8";
    }
    void malformedSettingsAreRefused() {
        QFETCH(QString, settings);
        QtSerialPort port([](int) { return QString(); });
        QVERIFY(!port.setSettings(settings));
        QCOMPARE(port.settings(), QStringLiteral("300,e,8,1"));
    }

    void theSettingsInForceAreAppliedAtOpen() {
        PseudoTerminal adapter;
        QtSerialPort port([&](int) { return QString::fromStdString(adapter.slavePath()); });
        QVERIFY(port.setSettings(QStringLiteral("9600,o,7,2")));
        QVERIFY2(port.open(), qPrintable(port.errorString()));
        QCOMPARE(adapter.baud(), 9600);
        QCOMPARE(port.port().dataBits(),
                 QSerialPort::Data7);  // a pty keeps 8 bits whatever is asked
        QCOMPARE(port.port().parity(), QSerialPort::OddParity);
        QCOMPARE(port.port().stopBits(), QSerialPort::TwoStop);
        QCOMPARE(port.device(), QString::fromStdString(adapter.slavePath()));
    }

    void aPortHeldByAnotherIsBusy() {
        PseudoTerminal adapter;
        const auto device = [&](int) { return QString::fromStdString(adapter.slavePath()); };
        QtSerialPort holder(device);
        QtSerialPort port(device);
        QVERIFY(holder.open());

        QVERIFY(!port.open());
        QCOMPARE(port.problem(), PortProblem::Busy);
        QCOMPARE(port.errorString(),
                 QStringLiteral("%1 is in use by another program.").arg(device(1)));
        holder.close();
        QVERIFY(port.open());
        QCOMPARE(port.problem(), PortProblem::None);
    }

    void aDeviceAnotherProgramHoldsOpenIsLeftAlone() {
        PseudoTerminal adapter;
        const QString device = QString::fromStdString(adapter.slavePath());
        QProcess other;
        other.start(QStringLiteral("sh"), {"-c", "exec sleep 30 <>" + device});
        QVERIFY(other.waitForStarted());
        QTRY_VERIFY(otherHolderOf(device).has_value());
        RealPortForm f;
        f.devices.insert(1, device);

        f.controls.ComboCOM->setListIndex(0);

        QVERIFY(f.note().endsWith(QStringLiteral("COM1 port is invalid !\r\n")));
        QVERIFY2(f.controls.ImageOff->toolTip().startsWith(
                     QStringLiteral("%1 is in use by sleep (process %2).")
                         .arg(device)
                         .arg(other.processId())),
                 qPrintable(f.controls.ImageOff->toolTip()));
        QVERIFY(adapter.read(200ms).empty());
        other.kill();
        other.waitForFinished();
    }

    // The two Linux traps are named by what the system shows: a running brltty when the
    // device is gone, ModemManager as the program holding it.
    void brlttyAndModemManagerAreRecognised() {
        QTemporaryDir programs;
        const auto program = [&](const char* name) {
            const QString path = programs.filePath(QLatin1String(name));
            QFile::copy(QStringLiteral("/bin/sleep"), path);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            return path;
        };
        PseudoTerminal adapter;
        const QString device = QString::fromStdString(adapter.slavePath());
        QProcess modemManager;
        modemManager.start(QStringLiteral("sh"),
                           {"-c", "exec " + program("ModemManager") + " 30 <>" + device});
        QTRY_VERIFY(otherHolderOf(device).has_value());
        QtSerialPort probed([&](int) { return device; });
        QVERIFY(!probed.open());
        QCOMPARE(probed.problem(), PortProblem::ProbedByModemManager);

        QProcess brltty;
        brltty.start(program("brltty"), {"30"});
        QTRY_VERIFY(isRunning(QStringLiteral("brltty")));
        QtSerialPort gone([](int) { return QStringLiteral("/dev/rotaline-no-such-device"); });
        QVERIFY(!gone.open());
        QCOMPARE(gone.problem(), PortProblem::TakenByBrltty);
        for (QProcess* running : {&modemManager, &brltty}) {
            running->kill();
            running->waitForFinished();
        }
    }

    void theReceiveThresholdGatesTheNotification() {
        PseudoTerminal adapter;
        QtSerialPort port([&](int) { return QString::fromStdString(adapter.slavePath()); });
        QVERIFY(port.open());
        int notified = 0;
        connect(&port, &SerialPort::commEvent, this,
                [&](CommEvent event) { notified += event == CommEvent::DataReceived ? 1 : 0; });
        adapter.write("a");
        QTRY_COMPARE(notified, 1);
        QCOMPARE(port.readAll(), QByteArray("a"));

        port.setReceiveThreshold(0);
        adapter.write("xy");
        QTRY_COMPARE(port.port().bytesAvailable(), qint64(2));
        QCOMPARE(notified, 1);

        port.setReceiveThreshold(1);
        QTRY_COMPARE(notified, 2);
        QCOMPARE(port.readAll(), QByteArray("xy"));
        QCoreApplication::processEvents();
        QCOMPARE(notified, 2);
    }
};

QTEST_GUILESS_MAIN(TestQtSerialPort)
#include "TestQtSerialPort.moc"
