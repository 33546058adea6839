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
        f.options("OptionBrake").select(4);
        f.list("ComboDelay").setListIndex(5);
        f.control("CommandSetFactory").click();
        QCOMPARE(f.port.writes().size(), 2 + 25);

        f.port.clearWritten();
        f.control("CommandSetFactory").click();

        QCOMPARE(f.port.writes().size(), 23);
        QCOMPARE(f.note(), QStringLiteral("All setting is in factory default\r\n"));
        QCOMPARE(int(f.form.block().value[9]), 0);
        QCOMPARE(int(f.form.block().value[29]), 0);
        QCOMPARE(int(f.form.block().value[20]), 7);
    }

    void timingMonitorOffIsSentOnceThroughItsChange() {
        FormFixture f(Start::Loaded);
        f.options("OptionTimMon").select(1);
        f.port.clearWritten();
        f.control("CommandSetFactory").click();

        QCOMPARE(f.port.writes().size(), 24);
        QCOMPARE(f.port.writes().count(QByteArray("\xA1\x01", 2)), 1);
        QCOMPARE(f.options("OptionTimMon").selected(), 0);
    }

    void theDefaultsLeaveTheLithiumCutOffShowing() {
        FormFixture f(Start::Loaded);
        f.options("OptionBatType").select(0);
        f.control("CommandSetFactory").click();
        QVERIFY(f.control("ComboPerCellLi").isVisible());
        QVERIFY(!f.control("ComboPerCellNi").isVisible());
        QVERIFY(f.control("ComboNoOfCell").isEnabled());
        QCOMPARE(f.control("LabelDegree").caption(), QStringLiteral("0°"));
    }

    void inChineseTheConfirmationIsChinese() {
        FormFixture f(Start::Loaded);
        f.form.flags().chinese = true;
        f.control("CommandSetFactory").click();
        QCOMPARE(f.note(), QStringLiteral("所有设置已恢复到出厂默认值\r\n"));
    }

    void withTheLinkNotReadyOnlyTheWarningIsShown() {
        FormFixture f(Start::Loaded);
        f.port.setPresentPorts({});
        f.list("ComboCOM").setListIndex(2);
        f.options("OptionBrake").select(3);
        f.dialogs.clear();
        f.port.clearWritten();
        f.form.flags().chinese = true;
        const QString note = f.note();

        f.control("CommandSetFactory").click();

        QCOMPARE(f.dialogs.texts(), QStringList({"COM3是无效的 ！ \r\n请选取别的COM口!"}));
        QVERIFY(f.port.log().isEmpty());
        QCOMPARE(f.note(), note);
        QCOMPARE(f.options("OptionBrake").selected(), 3);
    }

    void startUpShowsTheDefaultsButStoresAndSendsNothing() {
        FormFixture f;
        f.form.Form_Load();

        ParameterBlock expected = ParameterBlock::atStartUp();
        for (int slot : {5, 6, 7, 8, 10, 11, 12, 26, 30, 31}) {
            expected.inUse[slot] = slot == 5;
        }
        QVERIFY(f.form.block() == expected);
        QCOMPARE(f.options("OptionBatType").selected(), 1);
        QCOMPARE(f.list("ComboPerCellLi").listIndex(), 7);
        QVERIFY(f.control("ComboPerCellNi").isVisible());
        QVERIFY(f.control("ComboPerCellLi").isVisible());
        QCOMPARE(f.form.get<TabStrip>("SSTab1").selected(), 0);
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
        QVERIFY(f.control("ImageOff").isVisible());
        QVERIFY(!f.control("ImageOn").isVisible());
        QVERIFY(f.dialogs.shown().isEmpty());
        QVERIFY(f.wire().isEmpty());

        f.list("ComboCOM").setListIndex(1);
        QVERIFY(f.control("ImageOn").isVisible());
        QVERIFY(f.note().endsWith(QStringLiteral("Select COM port: COM2\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestFactoryDefaults)
#include "TestFactoryDefaults.moc"
