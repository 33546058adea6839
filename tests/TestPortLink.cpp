#include <QtTest>

#include "support/FormFixture.h"
#include "support/RecordingHost.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

const QString InvalidCom1 = QStringLiteral("COM1 is invalild ! \r\nPlease slect other COM port !");

}  // namespace

class TestPortLink : public QObject {
    Q_OBJECT
private slots:
    void selectingAPortWritesTheHandshakeAndClosesThePort() {
        FormFixture f;
        f.controls.ComboCOM->setListIndex(2);

        QCOMPARE(f.port.log(),
                 QStringList({"number 3", "open", "write AA55", "close", "settings 300,e,8,1"}));
        QCOMPARE(f.wire(), QList<int>({170, 85}));
        QVERIFY(!f.port.isOpen());
        QCOMPARE(f.note(),
                 QStringLiteral("The note record your setting changeSelect COM port: COM3\r\n"));
        QVERIFY(f.controls.ImageOn->isVisible());
        QVERIFY(!f.controls.ImageOff->isVisible());
        QVERIFY(f.link.isReady());
        QCOMPARE(f.trace(), QString());
        QVERIFY(f.dialogs.shown().isEmpty());
    }

    void selectingAPortRefillsTheModelListsWithoutSelection() {
        FormFixture f;
        f.controls.ComboCTRmodel[3]->setListIndex(1);
        f.controls.ComboCOM->setListIndex(0);

        QCOMPARE(f.controls.ComboCTRmodel[0]->items(),
                 QStringList({"<=30A for aireplane", ">=40A for aireplane"}));
        QCOMPARE(f.controls.ComboCTRmodel[2]->items(), QStringList({">=40A for boat"}));
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
        f.switchToChinese();
        f.controls.Text1->setText(QString());
        f.controls.ComboCOM->setListIndex(0);

        QCOMPARE(f.controls.ComboIniPoint->items().first(), QStringLiteral("自动"));
        QCOMPARE(f.controls.ComboIniPoint->text(), QStringLiteral("自动"));
        QCOMPARE(f.controls.ComboCTRmodel[1]->items(),
                 QStringList({"<=30A直升飞机用", ">=40A直升飞机用"}));
        QCOMPARE(f.wire(), QList<int>({150, 1, 170, 85}));
        QCOMPARE(f.note(), QStringLiteral("启动点: 自动\r\nCOM口选取: COM1\r\n"));
        QCOMPARE(f.port.log().mid(1, 3), QStringList({"close", "number 1", "open"}));
    }

    void aFailedSelectionInChineseNotesTheChineseLine() {
        FormFixture f;
        f.port.setPresentPorts({});
        f.switchToChinese();
        f.dialogs.clear();
        f.controls.Text1->setText(QString());
        f.controls.ComboCOM->setListIndex(6);

        QVERIFY(f.note().endsWith(QStringLiteral("COM7口是无效的！\r\n")));
        QCOMPARE(f.dialogs.texts().last(),
                 QStringLiteral("COM7是无效的 ！ \r\n请选取别的COM口!"));  // the point list's send
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

        QCOMPARE(f.dialogs.texts(), QStringList({InvalidCom1}));
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

    void wireBytesAndTraceFollowTheSlot() {
        FormFixture f;
        f.selectPort(0);
        f.form.SendParameter(142, 30);
        f.form.SendParameter(132, 3);

        QCOMPARE(f.wire(), QList<int>({142, 31, 132, 4}));
        QCOMPARE(f.trace(), QStringLiteral(">O44"));
    }

    void aValueOf255IsAFailedSend() {
        FormFixture f;
        f.selectPort(0);
        f.form.SendParameter(137, 255);

        QVERIFY(f.wire().isEmpty());
        QCOMPARE(f.dialogs.texts(), QStringList({InvalidCom1}));
        QVERIFY(!f.link.isReady());
        QCOMPARE(f.trace(), QString());
    }

    void theModelHandshakeOpensWritesAndTraces() {
        FormFixture f;
        f.selectPort(0);
        f.form.ModelHandshake();
        QCOMPARE(f.port.log(), QStringList({"open", "write AA55"}));
        QCOMPARE(f.trace(), QStringLiteral("AA55"));

        f.port.pull();
        f.form.ModelHandshake();
        QCOMPARE(f.dialogs.texts(), QStringList({InvalidCom1}));
        QVERIFY(!f.link.isReady());
        QCOMPARE(f.trace(), QStringLiteral("AA55"));
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
};

QTEST_GUILESS_MAIN(TestPortLink)
#include "TestPortLink.moc"
