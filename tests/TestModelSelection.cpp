#include <QtTest>

#include "support/ExpectedMessages.h"
#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

void chooseModel(FormFixture& f, int type, int index) {
    f.controls.SSTab1->select(type);
    f.port.clearWritten();
    f.controls.Text2->setText(QString());
    f.list(QStringLiteral("ComboCTRmodel(%1)").arg(type)).setListIndex(index);
}

}  // namespace

class TestModelSelection : public QObject {
    Q_OBJECT
private slots:
    void everyModelTakesHoldOfTheController_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("modelMessage");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<bool>("frequency");
        QTest::addColumn<bool>("currentLimit");
        QTest::addColumn<QString>("note");
        QTest::newRow("<=30A aireplane")
            << 0 << 0 << QList<int>{133, 3} << QStringList{"Auto", "2", "3"} << false << false
            << "Airplane ESC type  : <=30A for aireplane\r\n";
        QTest::newRow(">=40A aireplane")
            << 0 << 1 << QList<int>{133, 6} << QStringList{"2", "3", "4", "5"} << true << false
            << "Airplane ESC type  : >=40A for aireplane\r\n";
        QTest::newRow("<=30A helicopter")
            << 1 << 0 << QList<int>{134, 1} << QStringList{"Auto", "2", "3"} << false << false
            << "Helicopter ESC type  : <=30A for helicopter\r\n";
        QTest::newRow(">=40A helicopter")
            << 1 << 1 << QList<int>{134, 4} << QStringList{"4", "5", "6", "7", "8", "9", "10"}
            << true << false << "Helicopter ESC type  : >=40A for helicopter\r\n";
        QTest::newRow(">=40A boat")
            << 2 << 0 << QList<int>{135, 3} << QStringList{"2", "3", "4", "5"} << true << false
            << "Boat ESC type  : >=40A for boat\r\n";
        QTest::newRow("30A car") << 3 << 0 << QList<int>{136, 1} << QStringList{"Auto", "2", "3"}
                                 << false << false << "Car ESC type  : 30A for car\r\n";
        QTest::newRow(">=50A car") << 3 << 1 << QList<int>{136, 2} << QStringList{"Auto", "2", "3"}
                                   << true << true << "Car ESC type  : >=50A for car\r\n";
    }
    void everyModelTakesHoldOfTheController() {
        QFETCH(int, type);
        QFETCH(int, index);
        QFETCH(QList<int>, modelMessage);
        QFETCH(QStringList, cells);
        QFETCH(bool, frequency);
        QFETCH(bool, currentLimit);
        QFETCH(QString, note);
        FormFixture f(Start::Loaded);
        f.controls.ComboCOM->setListIndex(4);
        chooseModel(f, type, index);

        QCOMPARE(f.wire(), QList<int>({170, 85}) + factoryDefaultBytes(1) + modelMessage);
        QCOMPARE(f.controls.ComboNoOfCell->items(), cells);
        QCOMPARE(f.controls.ComboNoOfCell->text(), cells.first());
        QCOMPARE(f.controls.FrameFre->isEnabled(), frequency);
        QCOMPARE(f.controls.OptionFreqency->button(2).isEnabled(), frequency);
        QCOMPARE(f.controls.FrameCurrent->isVisible(), currentLimit);
        QCOMPARE(f.form.block().inUse[13], currentLimit);
        QVERIFY(!f.controls.FrameMotorPole->isVisible());
        QCOMPARE(f.note(), note);
        QCOMPARE(int(f.form.block().value[5 + type]), index);
        QCOMPARE(int(f.form.block().value[0]), 4);
        QCOMPARE(int(f.form.block().value[19]), 0);
        QVERIFY(f.trace().startsWith(QStringLiteral("AA55")));
        QVERIFY(f.dialogs.shown().isEmpty());
    }

    void aModelChosenWithTheLinkNotReadyIsRefused() {
        FormFixture f(Start::Loaded);
        f.port.setPresentPorts({});
        f.controls.ComboCOM->setListIndex(1);
        f.port.clearWritten();
        f.dialogs.clear();
        f.controls.ComboCTRmodel[0]->setListIndex(1);

        QCOMPARE(f.dialogs.texts(),
                 QStringList({"COM2 is invalild ! \r\nPlease slect other COM port !"}));
        QCOMPARE(f.dialogs.shown().first().icon, Dialogs::Icon::Exclamation);
        QVERIFY(f.port.log().isEmpty());
        QCOMPARE(f.controls.ComboCTRmodel[0]->listIndex(), 1);
    }

    void theChineseNoteUsesTheChineseTypeLabel() {
        FormFixture f(Start::Loaded);
        f.switchToChinese();
        f.controls.SSTab1->select(3);
        f.controls.ComboCTRmodel[3]->setListIndex(1);
        QCOMPARE(f.note(), QStringLiteral("车用 ESC 型号  : >=50A车用\r\n"));
    }

    void aListOfAnotherTabTakesNoHoldOfTheController() {
        FormFixture f(Start::Loaded);
        f.controls.ComboCTRmodel[2]->setListIndex(0);
        QVERIFY(f.wire().isEmpty());
    }

    // Start-up, a model, another type, its model, then the factory defaults: every byte.
    void aWholeSessionOnTheWire() {
        FormFixture f;
        f.form.Form_Load();
        f.controls.ComboCTRmodel[0]->setListIndex(1);
        f.controls.SSTab1->select(2);
        f.controls.ComboCTRmodel[2]->setListIndex(0);
        f.controls.CommandSetFactory->click();

        const QStringList defaults2Cells = factoryDefaultLines(TwoCellsLine);
        const QStringList defaultsAuto = factoryDefaultLines(AutoCellsLine);
        const QStringList typeChange = {
            "133 21  slot 5 airplane model = 20 (reset)",
            "134 21  slot 6 helicopter model = 20 (reset)",
            "135 21  slot 7 boat model = 20 (reset)",
            "136 21  slot 8 car model = 20 (reset)",
            "132 3  slot 4 ESC type = 2 (Boat)",
        };
        const QString handshake = QStringLiteral("170 85  handshake");

        QCOMPARE(f.messages(),
                 QStringList{handshake} + QStringList{handshake} + defaultsAuto +
                     QStringList{"133 6  slot 5 airplane model = 5 (>=40A for aireplane)"} +
                     typeChange + QStringList{handshake} + defaults2Cells +
                     QStringList{"135 3  slot 7 boat model = 2 (>=40A for boat)"} + defaults2Cells);
        QCOMPARE(f.note(), QStringLiteral("All setting is in factory default\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestModelSelection)
#include "TestModelSelection.moc"
