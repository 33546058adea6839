#include <QtTest>

#include "platform/PortResolver.h"
#include "platform/QtSerialPort.h"
#include "support/FormFixture.h"
#include "support/RecordingHost.h"

using namespace rotaline;
using namespace rotaline::testing;

Q_DECLARE_METATYPE(rotaline::PortProblem)

namespace {

using Start = FormFixture::Start;

QString invalid(int port) {
    return QStringLiteral("COM%1 is invalild ! \r\nPlease slect other COM port !").arg(port);
}

}  // namespace

class TestPortLink : public QObject {
    Q_OBJECT
private slots:
    void selectingAPortWritesTheHandshakeAndClosesThePort() {
        FormFixture f;
        f.controls.ComboCTRmodel[3]->setListIndex(1);
        f.port.clearWritten();
        f.controls.ComboCOM->setListIndex(2);

        QCOMPARE(f.port.log(),
                 QStringList({"number 3", "open", "write AA55", "close", "settings 300,e,8,1"}));
        QVERIFY(!f.port.isOpen());
        QCOMPARE(f.note(),
                 QStringLiteral("The note record your setting changeSelect COM port: COM3\r\n"));
        QVERIFY(f.controls.ImageOn->isVisible());
        QVERIFY(!f.controls.ImageOff->isVisible());
        QVERIFY(f.link.isReady());
        QCOMPARE(f.trace(), QString());
        QVERIFY(f.dialogs.shown().isEmpty());
        for (int type = 0; type < 4; ++type) {
            QCOMPARE(f.list(QStringLiteral("ComboCTRmodel(%1)").arg(type)).listIndex(), -1);
        }
    }

    void selectingAnAbsentPortTurnsTheLampOffWithoutAMessageBox() {
        FormFixture f;
        f.controls.Text1->setText(QString());
        f.port.setPresentPorts({1});
        f.controls.ComboCOM->setListIndex(4);

        QCOMPARE(f.note(), QStringLiteral("COM5 port is invalid !\r\n"));
        QVERIFY(!f.controls.ImageOn->isVisible());
        QVERIFY(f.controls.ImageOff->isVisible());
        QVERIFY(!f.link.isReady());
        QVERIFY(f.wire().isEmpty());
        QVERIFY(f.dialogs.shown().isEmpty());
    }

    void inChineseThePortSelectionRefillsTheInitialPointListFirst() {
        FormFixture f;
        f.port.setPresentPorts({1});
        f.switchToChinese();
        f.controls.ComboCOM->setListIndex(0);

        QCOMPARE(f.controls.ComboIniPoint->items().first(), QStringLiteral("自动"));
        QCOMPARE(f.controls.ComboIniPoint->text(), QStringLiteral("自动"));
        QCOMPARE(f.controls.ComboCTRmodel[1]->items(),
                 QStringList({"<=30A直升飞机用", ">=40A直升飞机用"}));
        QCOMPARE(f.wire(), QList<int>({150, 1, 170, 85}));
        QCOMPARE(f.note(), QStringLiteral("启动点: 自动\r\nCOM口选取: COM1\r\n"));
        QCOMPARE(f.port.log().mid(1, 3), QStringList({"close", "number 1", "open"}));

        f.controls.ComboCOM->setListIndex(6);
        QVERIFY(f.note().endsWith(QStringLiteral("COM7口是无效的！\r\n")));
    }

    void theNextSendOpensThePortOnTheNewlySelectedNumber() {
        FormFixture f;
        f.selectPort(0);
        f.selectPort(5);
        f.controls.OptionBrake->select(3);

        QCOMPARE(f.port.log(), QStringList({"open", "write 8904"}));
        QCOMPARE(f.port.portNumber(), 6);
        QVERIFY(f.port.isOpen());
        QCOMPARE(f.trace(), QStringLiteral("94"));
        QVERIFY(f.link.isReady());
    }

    void aSendAfterAFailedSelectionStillTriesAndCanRecover() {
        FormFixture f;
        f.port.setPresentPorts({});
        f.selectPort(1);
        QVERIFY(!f.link.isReady());

        f.port.setPresentPorts({2});
        f.controls.OptionBrake->select(1);

        QCOMPARE(f.wire(), QList<int>({137, 2}));
        QVERIFY(f.link.isReady());
        QVERIFY(f.dialogs.shown().isEmpty());
    }

    void aPulledAdapterShowsTheInvalidPortMessageUntilAPortIsSelectedAgain() {
        FormFixture f;
        f.selectPort(0);
        f.controls.OptionBrake->select(1);
        f.port.pull();

        f.controls.OptionBrake->select(2);

        QCOMPARE(f.dialogs.texts(), QStringList({invalid(1)}));
        QCOMPARE(f.dialogs.shown().first().icon, Dialogs::Icon::Exclamation);
        QVERIFY(!f.link.isReady());
        QCOMPARE(f.form.block().value[9], 2);
        QVERIFY(f.note().endsWith(QStringLiteral("Brake type: Soft\r\n")));
        QCOMPARE(f.trace(), QStringLiteral("92"));

        f.selectPort(1);
        f.controls.OptionBrake->select(4);
        QVERIFY(f.link.isReady());
        QCOMPARE(f.wire(), QList<int>({137, 5}));
    }

    // Without a usable port a command only warns: nothing is sent, noted or stored.
    void withTheLinkNotReadyACommandOnlyWarns_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("type tab") << "type tab";
        QTest::newRow("model") << "model";
        QTest::newRow("factory defaults") << "factory defaults";
    }
    void withTheLinkNotReadyACommandOnlyWarns() {
        QFETCH(QString, command);
        FormFixture f(Start::Loaded);
        f.port.setPresentPorts({});
        f.controls.ComboCOM->setListIndex(3);
        f.controls.OptionBrake->select(3);
        f.dialogs.clear();
        f.port.clearWritten();
        const QString note = f.note();
        const ParameterBlock before = f.form.block();

        if (command == "type tab") {
            f.controls.SSTab1->select(3);
            QVERIFY(f.controls.FrameAbs->isVisible());  // the groups change all the same
            QVERIFY(f.form.block().inUse[8]);
        } else if (command == "model") {
            f.controls.ComboCTRmodel[0]->setListIndex(1);
            QCOMPARE(f.controls.ComboCTRmodel[0]->listIndex(), 1);
        } else {
            f.controls.CommandSetFactory->click();
            QCOMPARE(f.controls.OptionBrake->selected(), 3);
        }

        QCOMPARE(f.dialogs.texts(), QStringList({invalid(4)}));
        QVERIFY(f.port.log().isEmpty());
        QCOMPARE(f.note(), note);
        QVERIFY(f.form.block().value == before.value);
    }

    // Every message and the model handshake go to the trace as written; a failed one does not.
    void theTraceFollowsWhatIsWritten() {
        FormFixture f;
        f.selectPort(0);
        f.form.ModelHandshake();
        QCOMPARE(f.port.log(), QStringList({"open", "write AA55"}));
        f.form.SendParameter(142, 30);
        f.form.SendParameter(132, 3);
        QCOMPARE(f.wire(), QList<int>({170, 85, 142, 31, 132, 4}));
        QCOMPARE(f.trace(), QStringLiteral("AA55>O44"));

        f.port.clearWritten();
        f.form.SendParameter(137, 255);
        QVERIFY(f.wire().isEmpty());
        QCOMPARE(f.dialogs.texts(), QStringList({invalid(1)}));
        QVERIFY(!f.link.isReady());

        f.selectPort(0);
        f.port.pull();
        f.dialogs.clear();
        f.form.ModelHandshake();
        QCOMPARE(f.dialogs.texts(), QStringList({invalid(1)}));
        QVERIFY(!f.link.isReady());
        QCOMPARE(f.trace(), QStringLiteral("AA55>O44"));
    }

    void receivedBytesFollowTheLastNoteAsLatin1() {
        FormFixture f;
        f.selectPort(0);
        f.controls.OptionBrake->select(1);
        f.port.feed(QByteArray("OK\xE9\x01", 4));

        QCOMPARE(f.note(), QStringLiteral("The note record your setting changeSelect COM port: "
                                          "COM1\r\nBrake type: Extra Soft\r\nOK\u00E9\u0001"));
        QCOMPARE(f.port.threshold(), 1);
    }

    void aUserChangeDuringTheWaitIsHandledAndNoSecondEntryHappens() {
        FormFixture f;
        f.selectPort(0);
        f.controls.Text1->setText(QString());
        QList<int> thresholds;
        QTimer::singleShot(20, [&] {
            thresholds << f.port.threshold();
            f.controls.OptionBrake->select(4);
            f.port.feed("b");
        });
        f.port.feed("a");

        QCOMPARE(thresholds, QList<int>({0}));
        QCOMPARE(f.note(), QStringLiteral("Brake type: Hard\r\nab"));
        QCOMPARE(f.wire(), QList<int>({137, 5}));
    }

    void nothingIsShownWhenThePortClosedDuringTheWait() {
        FormFixture f;
        f.selectPort(0);
        f.controls.OptionBrake->select(1);
        RecordingHost host;
        host.onWait = [&](int) { f.controls.ComboCOM->setListIndex(1); };
        f.form.setHost(&host);
        f.port.feed("late");

        QVERIFY(!f.note().contains(QStringLiteral("late")));
        QCOMPARE(f.port.threshold(), 1);
    }

    void exitClosesThePortAndUnloadsTheWindow() {
        FormFixture f;
        f.selectPort(0);
        f.controls.OptionBrake->select(1);
        bool unloaded = false;
        RecordingHost host;
        host.onUnload = [&] { unloaded = !f.port.isOpen(); };
        f.form.setHost(&host);

        f.controls.mnuExit->click();
        QVERIFY(unloaded);
    }

    void theLampSaysWhyAndHowToFixIt_data() {
        QTest::addColumn<PortProblem>("problem");
        QTest::addColumn<QString>("fix");
        QTest::newRow("permission")
            << PortProblem::PermissionDenied
            << "Add yourself to the dialout group with \"sudo adduser $USER dialout\", then log "
               "out and in again (or give the adapter a udev rule with TAG+=\"uaccess\").";
        QTest::newRow("busy") << PortProblem::Busy
                              << "Close the other program and choose the port again.";
        QTest::newRow("absent")
            << PortProblem::Absent
            << "Plug in the adapter, or choose another one for COM3 in File > Serial adapters...";
        QTest::newRow("unassigned")
            << PortProblem::Unassigned
            << "Choose the adapter for COM3 in File > Serial adapters... (or click the lamp).";
        QTest::newRow("brltty") << PortProblem::TakenByBrltty
                                << "remove it (\"sudo apt remove brltty\") and plug the adapter in "
                                   "again.";
        QTest::newRow("ModemManager") << PortProblem::ProbedByModemManager
                                      << "or stop it with \"sudo systemctl stop ModemManager\".";
    }
    void theLampSaysWhyAndHowToFixIt() {
        QFETCH(PortProblem, problem);
        QFETCH(QString, fix);
        FormFixture f(Start::Loaded);
        f.port.failNextOpen(problem);
        f.controls.ComboCOM->setListIndex(2);
        const QString help = f.controls.ImageOff->toolTip();
        QVERIFY2(help.startsWith(QStringLiteral("The device is not present.\n")), qPrintable(help));
        QVERIFY2(help.endsWith(fix), qPrintable(help));
    }

    void theWindowIsToldTheSameHelpAfterAFailedSelectionOrSend() {
        FormFixture f(Start::Loaded);
        RecordingHost host;
        f.form.setHost(&host);
        f.port.failNextOpen(PortProblem::Busy);
        f.controls.ComboCOM->setListIndex(2);
        f.port.failNextWrite();
        f.controls.OptionBrake->select(3);

        QCOMPARE(host.problems.size(), 2);
        QCOMPARE(host.problems.first(), f.controls.ImageOff->toolTip());
        QVERIFY(host.problems.last().startsWith(QStringLiteral("The device is not usable.")));
        QCOMPARE(f.dialogs.texts(), QStringList({invalid(3)}));
    }

    void aSuccessfulSelectionTurnsTheLampOnAndClearsTheHelp() {
        FormFixture f(Start::Loaded);
        f.port.failNextOpen();
        f.controls.ComboCOM->setListIndex(2);
        f.controls.ComboCOM->setListIndex(3);
        QVERIFY(f.controls.ImageOn->isVisible());
        QCOMPARE(f.controls.ImageOff->toolTip(), QString());
        QCOMPARE(f.note().count(QStringLiteral("COM3 port is invalid !")), 1);
        QVERIFY(f.note().endsWith(QStringLiteral("Select COM port: COM4\r\n")));
    }

    // Printers and boards on the desk are serial devices too: none is opened unless chosen.
    void startUpWithNothingAssignedOpensNoDevice() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        QtSerialPort port([&resolver](int n) { return resolver.deviceFor(n); });
        ProgrammingLink link(port);
        ScriptedDialogs dialogs;
        MainForm form(link, dialogs, store);

        form.Form_Load();

        QCOMPARE(form.controls().Text1->text(), QStringLiteral("COM1 port is invalid !\r\n"));
        QCOMPARE(port.problem(), PortProblem::Unassigned);
        QVERIFY(form.controls().ImageOff->isVisible());
        QVERIFY(!form.controls().ImageOn->isVisible());
        QVERIFY(dialogs.shown().isEmpty());
        QVERIFY(!port.isOpen());
    }

    void adaptersComeFirstInNaturalOrder() {
        QCOMPARE(PortResolver::ordered({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyACM0",
                                        "/dev/ttyUSB2", "/dev/ttyS10"}),
                 QStringList({"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0",
                              "/dev/ttyS1", "/dev/ttyS10"}));
    }

    void onlyAnAssignedDeviceIsEverNamed() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        QCOMPARE(resolver.deviceFor(1), QString());
        QCOMPARE(resolver.describe(1), QStringLiteral("COM1: no adapter assigned"));

        store.setValue("Ports", "COM1", "/dev/pts/7");
        store.setValue("Ports", "COM2", "  ");
        QCOMPARE(resolver.deviceFor(1), QStringLiteral("/dev/pts/7"));
        QCOMPARE(resolver.deviceFor(2), QString());
        QCOMPARE(resolver.describe(1), QStringLiteral("COM1: /dev/pts/7 (not present)"));
    }

    void aDeviceHasOneNumberAtATime() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        const QString adapter = QStringLiteral("/dev/serial/by-id/usb-FTDI_A-if00-port0");
        resolver.assign(adapter, 2);
        resolver.assign(adapter, 5);
        QCOMPARE(resolver.portOf(adapter), 5);
        QCOMPARE(resolver.deviceFor(2), QString());
        resolver.assign(QStringLiteral("/dev/ttyUSB3"), 5);
        QCOMPARE(resolver.portOf(adapter), 0);
        resolver.assign(QStringLiteral("/dev/ttyUSB3"), 0);
        QCOMPARE(resolver.deviceFor(5), QString());
    }

    void theOneUsbAdapterIsOfferedOnlyWhenNothingIsAssigned() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        const SerialDevice usb{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A1", "FTDI"};
        const SerialDevice acm{"/dev/ttyACM0", "/dev/ttyACM0", "Arduino"};
        const SerialDevice board{"/dev/ttyS0", "/dev/ttyS0", ""};
        QCOMPARE(resolver.adapterToOffer({board, usb})->stableName, usb.stableName);
        QVERIFY(!resolver.adapterToOffer({usb, acm}));
        QVERIFY(!resolver.adapterToOffer({board}));
        resolver.assign(QStringLiteral("/dev/pts/3"), 7);
        QVERIFY(!resolver.adapterToOffer({usb}));
    }
};

QTEST_GUILESS_MAIN(TestPortLink)
#include "TestPortLink.moc"
