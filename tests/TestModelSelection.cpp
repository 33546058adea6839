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

    void inChineseModelAndDefaultsAreNotedInChinese() {
        FormFixture f(Start::Loaded);
        f.switchToChinese();
        f.controls.ComboCTRmodel[3]->setListIndex(1);
        QCOMPARE(f.note(), QStringLiteral("车用 ESC 型号  : >=50A车用\r\n"));
        f.controls.CommandSetFactory->click();
        QCOMPARE(f.note(), QStringLiteral("所有设置已恢复到出厂默认值\r\n"));
    }

    void aListOfAnotherTabTakesNoHoldOfTheController() {
        FormFixture f(Start::Loaded);
        f.controls.ComboCTRmodel[2]->setListIndex(0);
        QVERIFY(f.wire().isEmpty());
    }

    // Start-up, a model, another type, its model, then the factory defaults: every message.
    void aWholeSessionOnTheWire() {
        FormFixture f;
        f.form.Form_Load();
        f.controls.ComboCTRmodel[0]->setListIndex(1);
        f.controls.SSTab1->select(2);
        f.controls.ComboCTRmodel[2]->setListIndex(0);
        f.controls.CommandSetFactory->click();

        QFile expected(QStringLiteral(TEST_DATA "/model-session.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(f.messages(),
                 QString::fromUtf8(expected.readAll()).split('\n', Qt::SkipEmptyParts));
        QCOMPARE(f.note(), QStringLiteral("All setting is in factory default\r\n"));
    }

    void aSecondPressHandlesEveryParameterOnce() {
        FormFixture f(Start::Loaded);
        f.controls.OptionBrake->select(4);
        f.controls.ComboDelay->setListIndex(5);
        f.controls.CommandSetFactory->click();
        QCOMPARE(f.port.writes().size(), 2 + 25);

        f.port.clearWritten();
        f.controls.CommandSetFactory->click();

        QCOMPARE(f.port.writes().size(), 23);
        QCOMPARE(f.note(), QStringLiteral("All setting is in factory default\r\n"));
        QCOMPARE(int(f.form.block().value[9]), 0);
        QCOMPARE(int(f.form.block().value[29]), 0);
        QCOMPARE(int(f.form.block().value[20]), 7);
    }

    void timingMonitorOffIsSentOnceThroughItsChange() {
        FormFixture f(Start::Loaded);
        f.controls.OptionTimMon->select(1);
        f.port.clearWritten();
        f.controls.CommandSetFactory->click();

        QCOMPARE(f.port.writes().size(), 24);
        QCOMPARE(f.port.writes().count(QByteArray("\xA1\x01", 2)), 1);
        QCOMPARE(f.controls.OptionTimMon->selected(), 0);
    }

    void theDefaultsLeaveTheLithiumCutOffShowing() {
        FormFixture f(Start::Loaded);
        f.controls.OptionBatType->select(0);
        f.controls.CommandSetFactory->click();
        QVERIFY(f.controls.ComboPerCellLi->isVisible());
        QVERIFY(!f.controls.ComboPerCellNi->isVisible());
        QVERIFY(f.controls.ComboNoOfCell->isEnabled());
        QCOMPARE(f.controls.LabelDegree->caption(), QStringLiteral("0°"));
    }

    void startUpShowsTheDefaultsButStoresAndSendsNothing() {
        FormFixture f;
        f.form.Form_Load();

        ParameterBlock expected = ParameterBlock::atStartUp();
        for (int slot : {5, 6, 7, 8, 10, 11, 12, 26, 30, 31}) {
            expected.inUse[slot] = slot == 5;
        }
        QVERIFY(f.form.block() == expected);
        QCOMPARE(f.controls.OptionBatType->selected(), 1);
        QCOMPARE(f.controls.ComboPerCellLi->listIndex(), 7);
        QVERIFY(f.controls.ComboPerCellNi->isVisible());
        QVERIFY(f.controls.ComboPerCellLi->isVisible());
        QCOMPARE(f.controls.SSTab1->selected(), 0);
        QCOMPARE(f.note(), QStringLiteral("Select COM port: COM1\r\n"));
        QCOMPARE(f.trace(), QString());
        QCOMPARE(f.wire(), QList<int>({170, 85}));
        QVERIFY(!f.port.isOpen());
        QVERIFY(!f.form.flags().suppress);
    }
};

QTEST_GUILESS_MAIN(TestModelSelection)
#include "TestModelSelection.moc"
