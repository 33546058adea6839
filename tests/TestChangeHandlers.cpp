#include <QtTest>

#include "model/SlotTable.h"
#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// Makes the change a user would make on the named control.
void change(FormFixture& f, const QString& name, int value) {
    Control* control = f.form.find(name);
    if (auto* group = dynamic_cast<OptionGroup*>(control)) {
        group->select(value);
    } else if (auto* list = dynamic_cast<ComboList*>(control)) {
        list->setListIndex(value);
    } else {
        dynamic_cast<ScrollBar&>(*control).setValue(value);
    }
}

}  // namespace

class TestChangeHandlers : public QObject {
    Q_OBJECT
private slots:
    void everyHandlerNotesStoresAndSends_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QList<int>>("bytes");
        auto row = [](const char* control, int value, const char* line, int slot, int address,
                      int wire) {
            QTest::newRow(control) << QString(control) << value << QString::fromUtf8(line) << slot
                                   << QList<int>({address, wire});
        };
        row("OptionBrake", 2, "Brake type: Soft", 9, 137, 3);
        row("OptionHeliMode", 1, "Helicopter Mode: Normal", 10, 138, 2);
        row("OpMotorPole", 2, "Motor Pole No.: 12-14", 11, 139, 3);
        row("OpReverse", 1, "Reverse: OFF", 12, 140, 2);
        row("ComboCurentLimit", 9, "Current Limit: No Limit", 13, 141, 10);
        row("HScrollTiming", 15, "Timing Degree: 15°", 14, 142, 16);
        row("OptionFreqency", 2, "Freqency: 32KHz", 15, 143, 3);
        row("OpAcceleration", 1, "Acceleration: Midium", 16, 144, 2);
        row("OptionBatType", 0, "Accumulator Type: NiCd/NiMH ", 17, 145, 1);
        row("ComboPerCellNi", 6, "NiCd/NiMH Cut off per cell: 0.9V", 18, 146, 7);
        row("ComboNoOfCell", 2, "Number of Cell: 3", 19, 147, 3);
        row("ComboPerCellLi", 7, "Li-ion/Poly Cut off per cell: 2.7V", 20, 148, 8);
        row("OptionCutOffType", 1, "Cut Off Type: Hard", 21, 149, 2);
        row("ComboIniPoint", 3, "Initial Point: Fixed 1.2mS", 22, 150, 4);
        row("ComboEndPoint", 4, "End Point: Fixed 2.0mS", 23, 151, 5);
        row("OptionThr", 2, "Throttle Curve: Exponetial", 24, 152, 3);
        row("OptionRotation", 1, "Rotation: Right", 25, 153, 2);
        row("OptionAbs", 1, "ABS  : OFF", 26, 154, 2);
        row("ComboPowerLimitF", 1, "Forward Power Limit : 75%", 27, 155, 2);
        row("ComboPowerLimitR", 3, "Reverse Power Limit : 25%", 28, 156, 4);
        row("ComboDelay", 7, "Delay Time: 5 S", 29, 157, 8);
        row("ComboForPoint", 3, "Forward Point: Fixed 1.9mS", 30, 158, 4);
        row("ComboRevPoint", 4, "Reverse Point: Fixed 1.3mS", 31, 159, 5);
        row("OptionTimMon", 1, "Timing Monitor: OFF", 33, 161, 2);
    }
    void everyHandlerNotesStoresAndSends() {
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(QString, line);
        QFETCH(int, slot);
        QFETCH(QList<int>, bytes);
        FormFixture f;
        f.selectPort(0);
        f.controls.Text1->setText(QString());
        const ParameterBlock before = f.form.block();

        change(f, control, value);

        QCOMPARE(f.note(), line + QStringLiteral("\r\n"));
        QCOMPARE(int(f.form.block().value[slot]), value);
        ParameterBlock expected = before;
        expected.value[slot] = static_cast<std::uint8_t>(value);
        QVERIFY(f.form.block().value == expected.value);
        QCOMPARE(f.wire(), bytes);
        QVERIFY(f.dialogs.shown().isEmpty());
    }

    void aChangeRaisesItsHandlerOnceAndTheSameValueRaisesNothing() {
        FormFixture f;
        f.selectPort(0);
        f.controls.Text1->setText(QString());
        f.controls.OptionBrake->select(4);
        f.controls.OptionBrake->select(4);
        f.controls.ComboDelay->setListIndex(2);
        f.controls.ComboDelay->setText(QStringLiteral("0.75 S"));

        QCOMPARE(f.note(), QStringLiteral("Brake type: Hard\r\nDelay Time: 0.75 S\r\n"));
        QCOMPARE(f.wire(), QList<int>({137, 5, 157, 3}));
    }

    void fillingAndClearingAListRaiseNothingAndNoEntryStoresNothing() {
        FormFixture f;
        f.selectPort(0);
        f.controls.ComboDelay->setListIndex(3);
        f.port.clearWritten();
        const QString note = f.note();

        f.controls.ComboDelay->setListIndex(-1);
        f.controls.ComboDelay->clear();
        f.controls.ComboDelay->addItems({"a", "b"});
        f.form.runChangeHandler(slotOwnedBy("ComboDelay"));

        QCOMPARE(f.note(), note);
        QVERIFY(f.wire().isEmpty());
        QCOMPARE(int(f.form.block().value[29]), 3);
    }

    void clearNoteEmptiesBothBoxes() {
        FormFixture f;
        f.selectPort(0);
        f.controls.OptionBrake->select(1);
        f.controls.CommandClear->click();
        QCOMPARE(f.note(), QString());
        QCOMPARE(f.trace(), QString());
    }

    void theTimingLabelShowsTheValueInDegrees() {
        FormFixture f;
        f.selectPort(0);
        f.controls.HScrollTiming->setValue(30);
        QCOMPARE(f.controls.LabelDegree->caption(), QStringLiteral("30°"));
        f.controls.HScrollTiming->setValue(0);
        QCOMPARE(f.controls.LabelDegree->caption(), QStringLiteral("0°"));
        QCOMPARE(int(f.form.block().value[14]), 0);
        QCOMPARE(f.trace(), QStringLiteral(">O>1"));
    }

    void theCellCountSendsTheCodeOfItsEntryText() {
        FormFixture f;
        f.selectPort(0);
        auto& cells = *f.controls.ComboNoOfCell;
        cells.clear();
        cells.addItems({"4", "5", "6", "7", "8", "9", "10"});
        cells.setListIndex(6);
        QCOMPARE(int(f.form.block().value[19]), 6);

        cells.clear();
        cells.addItems({"2", "3", "4", "5"});
        cells.setListIndex(0);
        cells.clear();
        cells.addItems({"Auto", "2", "3"});
        cells.setListIndex(0);

        QCOMPARE(f.wire(), QList<int>({147, 10, 147, 2, 147, 1}));
        QCOMPARE(int(f.form.block().value[19]), 0);
    }

    void theBatteryTypeSwapsTheCutOffLists() {
        FormFixture f;
        f.selectPort(0);
        f.controls.OptionBatType->select(0);
        QVERIFY(f.controls.ComboPerCellNi->isVisible());
        QVERIFY(!f.controls.ComboPerCellLi->isVisible());
        QVERIFY(!f.controls.LabelNumCell->isEnabled());
        QVERIFY(!f.controls.ComboNoOfCell->isEnabled());

        f.controls.OptionBatType->select(1);
        QVERIFY(!f.controls.ComboPerCellNi->isVisible());
        QVERIFY(f.controls.ComboPerCellLi->isVisible());
        QVERIFY(f.controls.LabelNumCell->isEnabled());
        QVERIFY(f.controls.ComboNoOfCell->isEnabled());
    }

    void constantRpmShowsTheMotorPolesOnlyOnTheHelicopterTab() {
        FormFixture f;
        f.selectPort(0);
        f.controls.OptionHeliMode->select(1);
        QVERIFY(!f.form.block().inUse[11]);
        f.controls.OptionHeliMode->select(0);  // tab 1 is current as designed
        QVERIFY(f.controls.FrameMotorPole->isVisible());
        QVERIFY(f.form.block().inUse[11]);

        f.controls.SSTab1->select(0);
        f.controls.OptionHeliMode->select(1);
        f.controls.OptionHeliMode->select(0);
        QVERIFY(!f.controls.FrameMotorPole->isVisible());
        QVERIFY(!f.form.block().inUse[11]);
    }

    void notesFollowTheCurrentCaptions() {
        FormFixture f;
        f.selectPort(0);
        f.controls.Text1->setText(QString());
        f.controls.FrameBrake->setCaption(QStringLiteral("刹车类型"));
        f.controls.OptionBrake->button(5).setCaption(QStringLiteral("超硬性"));
        f.controls.OptionBrake->select(5);
        f.controls.OptionBrake->select(0);
        QCOMPARE(f.note(), QStringLiteral("刹车类型: 超硬性\r\n刹车类型: OFF\r\n"));
    }

    void theListsAreFilledInOrderWithNothingChosen() {
        FormFixture f;
        QStringList ports;
        for (int n = 1; n <= 16; ++n) {
            ports << QStringLiteral("COM%1").arg(n);
        }
        QCOMPARE(f.controls.ComboCOM->items(), ports);
        QCOMPARE(f.controls.ComboPerCellNi->items().first(), QStringLiteral("\u00D70.05"));
        QCOMPARE(f.controls.ComboPerCellNi->items().at(6), QStringLiteral("0.9V"));
        QCOMPARE(f.controls.ComboPerCellLi->count(), 13);
        QCOMPARE(f.controls.ComboNoOfCell->items(), QStringList({"Auto", "2", "3"}));
        QCOMPARE(f.controls.ComboForPoint->items().last(), QStringLiteral("Fixed 1.9mS"));
        QCOMPARE(f.controls.ComboDelay->items().last(), QStringLiteral("5 S"));
        QCOMPARE(f.controls.ComboCurentLimit->items().last(), QStringLiteral("No Limit"));
        QCOMPARE(f.controls.ComboCTRmodel[3]->items(),
                 QStringList({"30A for car", ">=50A for car"}));
        for (Control* control : f.form.controlsInOrder()) {
            if (auto* list = dynamic_cast<ComboList*>(control)) {
                QCOMPARE(list->listIndex(), -1);
            }
        }
        QCOMPARE(f.note(), QStringLiteral("The note record your setting change"));
        QVERIFY(f.port.log().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChangeHandlers)
#include "TestChangeHandlers.moc"
