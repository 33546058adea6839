#include <QtTest>

#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

QList<bool> flags(const FormFixture& f, const QList<int>& slotList) {
    QList<bool> values;
    for (int slot : slotList) {
        values << f.form.block().inUse[slot];
    }
    return values;
}

QList<bool> visible(const FormFixture& f, const QStringList& names) {
    QList<bool> values;
    for (const QString& name : names) {
        values << f.form.find(name)->isVisible();
    }
    return values;
}

}  // namespace

class TestTypeTabs : public QObject {
    Q_OBJECT
private slots:
    // A new type resets every model and then sends itself; in Chinese the initial point list
    // is refilled and sent in between.
    void aNewTypeResetsTheModelsThenSendsItself_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QList<int>>("after");  // what follows the four resets
        QTest::addColumn<QStringList>("models");
        QTest::addColumn<QString>("note");
        QTest::newRow("boat") << 2 << false << QList<int>{132, 3} << QStringList{">=40A for boat"}
                              << "Boat\r\n";
        QTest::newRow("car") << 3 << false << QList<int>{132, 4}
                             << QStringList{"30A for car", ">=50A for car"} << "Car\r\n";
        QTest::newRow("boat in Chinese")
            << 2 << true << QList<int>{150, 1, 132, 3} << QStringList{">=40A船用"} << "船用\r\n";
    }
    void aNewTypeResetsTheModelsThenSendsItself() {
        QFETCH(int, tab);
        QFETCH(bool, chinese);
        QFETCH(QList<int>, after);
        QFETCH(QStringList, models);
        QFETCH(QString, note);
        FormFixture f(Start::Loaded);
        if (chinese) {
            f.switchToChinese();
        }
        const ParameterBlock before = f.form.block();

        f.controls.SSTab1->select(tab);

        QCOMPARE(f.wire(), QList<int>({133, 21, 134, 21, 135, 21, 136, 21}) + after);
        QCOMPARE(int(f.form.block().value[4]), tab);
        for (int slot = 5; slot <= 8; ++slot) {
            QCOMPARE(f.form.block().value[slot], before.value[slot]);
        }
        QCOMPARE(f.note(), note);
        QCOMPARE(f.controls.ComboCTRmodel[tab]->items(), models);
        QCOMPARE(f.controls.ComboCTRmodel[tab]->listIndex(), -1);
        QCOMPARE(f.controls.ComboIniPoint->text(),
                 chinese ? QStringLiteral("自动") : QStringLiteral("Automatic"));
    }

    void theCurrentTabClickedAgainOnlyResendsTheType() {
        FormFixture f(Start::Loaded);
        f.controls.SSTab1->select(3);
        f.controls.ComboCTRmodel[3]->setListIndex(1);
        f.port.clearWritten();
        f.form.SSTab1_Click(3);
        QCOMPARE(f.wire(), QList<int>({132, 4}));
        QCOMPARE(f.controls.ComboCTRmodel[3]->listIndex(), 1);
        f.controls.SSTab1->select(0);
        QCOMPARE(f.controls.ComboCTRmodel[3]->listIndex(), -1);
    }

    void eachTypeShowsItsGroupsAndRecordsItsSlots_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QList<bool>>("shown");   // Brake IniEnd ForRev Rot Rev Abs HeMode Pole
        QTest::addColumn<QList<bool>>("usable");  // cut-off type, power limit, delay
        QTest::addColumn<QList<bool>>("inUse");   // 5 6 7 8 9 10 11 12 22 23 25 26 30 31
        QTest::addColumn<QString>("reverseLabel");
        const bool T = true, F = false;
        QTest::newRow("Airplane") << 0 << QList<bool>{T, T, F, T, F, F, F, F}
                                  << QList<bool>{T, F, F}
                                  << QList<bool>{T, F, F, F, T, F, F, F, T, T, T, F, F, F}
                                  << "Reverse ";
        QTest::newRow("Helicopter")
            << 1 << QList<bool>{F, T, F, T, F, F, T, F} << QList<bool>{F, F, F}
            << QList<bool>{F, T, F, F, F, T, F, F, T, T, T, F, F, F} << "Reverse ";
        QTest::newRow("Boat") << 2 << QList<bool>{F, F, T, F, T, F, F, F} << QList<bool>{T, T, T}
                              << QList<bool>{F, F, T, F, F, F, F, T, F, F, F, F, T, T}
                              << "Reverse ";
        QTest::newRow("Car") << 3 << QList<bool>{F, F, T, F, T, T, F, F} << QList<bool>{T, T, T}
                             << QList<bool>{F, F, F, T, F, F, F, T, F, F, F, T, T, T}
                             << "Rev./Brake";
    }
    void eachTypeShowsItsGroupsAndRecordsItsSlots() {
        QFETCH(int, tab);
        QFETCH(QList<bool>, shown);
        QFETCH(QList<bool>, usable);
        QFETCH(QList<bool>, inUse);
        QFETCH(QString, reverseLabel);
        FormFixture f(Start::Loaded);
        f.controls.OptionHeliMode->select(0);
        f.controls.SSTab1->select(tab == 0 ? 1 : 0);
        f.controls.SSTab1->select(tab);

        QCOMPARE(visible(f, {"FrameBrake", "FramePointIniEnd", "FramePointForRev", "FrameRot",
                             "FrameRev", "FrameAbs", "FrameHeMode", "FrameMotorPole"}),
                 shown);
        QCOMPARE(QList<bool>({f.controls.OptionCutOffType->button(1).isEnabled(),
                              f.controls.ComboPowerLimitR->isEnabled(),
                              f.controls.ComboDelay->isEnabled()}),
                 usable);
        QCOMPARE(f.controls.FrameCutType->isEnabled(), usable[0]);
        QCOMPARE(f.controls.LabelFor->isEnabled(), usable[1]);
        QCOMPARE(f.controls.Frame1Delay->isEnabled(), usable[2]);
        QCOMPARE(flags(f, {5, 6, 7, 8, 9, 10, 11, 12, 22, 23, 25, 26, 30, 31}), inUse);
        QCOMPARE(f.controls.LabelRev->caption(), reverseLabel);
    }

    void theCarReversePowerLimitIsNotedAsTheBrake() {
        FormFixture f(Start::Loaded);
        f.controls.SSTab1->select(3);
        f.controls.ComboPowerLimitR->setListIndex(2);
        QVERIFY(f.note().endsWith(QStringLiteral("Rev./BrakePower Limit : 50%\r\n")));

        f.switchToChinese();
        f.controls.SSTab1->select(2);
        QCOMPARE(f.controls.LabelRev->caption(), QStringLiteral("倒退"));
    }
};

QTEST_GUILESS_MAIN(TestTypeTabs)
#include "TestTypeTabs.moc"
