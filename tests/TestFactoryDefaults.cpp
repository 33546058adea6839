#include <QtTest>

#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

}  // namespace

class TestFactoryDefaults : public QObject {
    Q_OBJECT
private slots:
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

    void inChineseTheConfirmationIsChinese() {
        FormFixture f(Start::Loaded);
        f.switchToChinese();
        f.controls.CommandSetFactory->click();
        QCOMPARE(f.note(), QStringLiteral("所有设置已恢复到出厂默认值\r\n"));
    }

    void withTheLinkNotReadyOnlyTheWarningIsShown() {
        FormFixture f(Start::Loaded);
        f.port.setPresentPorts({});
        f.controls.ComboCOM->setListIndex(2);
        f.controls.OptionBrake->select(3);
        f.dialogs.clear();
        f.port.clearWritten();
        f.switchToChinese();
        const QString note = f.note();

        f.controls.CommandSetFactory->click();

        QCOMPARE(f.dialogs.texts(), QStringList({"COM3是无效的 ！ \r\n请选取别的COM口!"}));
        QVERIFY(f.port.log().isEmpty());
        QCOMPARE(f.note(), note);
        QCOMPARE(f.controls.OptionBrake->selected(), 3);
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

    void withoutCom1StartUpEndsWithTheFailureLineAndNoMessage() {
        FormFixture f;
        f.port.setPresentPorts({2});
        f.form.Form_Load();

        QCOMPARE(f.note(), QStringLiteral("COM1 port is invalid !\r\n"));
        QVERIFY(f.controls.ImageOff->isVisible());
        QVERIFY(!f.controls.ImageOn->isVisible());
        QVERIFY(f.dialogs.shown().isEmpty());
        QVERIFY(f.wire().isEmpty());

        f.controls.ComboCOM->setListIndex(1);
        QVERIFY(f.controls.ImageOn->isVisible());
        QVERIFY(f.note().endsWith(QStringLiteral("Select COM port: COM2\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestFactoryDefaults)
#include "TestFactoryDefaults.moc"
