#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include "platform/PortResolver.h"
#include "support/FormFixture.h"
#include "ui/AdaptersDialog.h"
#include "ui/LayoutTable.h"
#include "ui/MainWindow.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

template <class T>
T* widget(const MainWindow& window, const char* name) {
    return qobject_cast<T*>(window.widget(QLatin1String(name)));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void theWindowHasAFixedClientAreaAndEveryPlacedControl() {
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        window.show();
        QCOMPARE(window.client()->size(), QSize(604, 644));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        for (const Placement& placement : layoutTable()) {
            QVERIFY2(
                window.widget(QString::fromLatin1(placement.name.data(), placement.name.size())),
                placement.name.data());
        }
        QVERIFY(!window.widget("Text2")->isVisible());
        QCOMPARE(window.widget("ComboPerCellLi")->geometry(),
                 QRect(window.widget("ComboPerCellNi")->mapTo(window.client(), QPoint()),
                       window.widget("ComboPerCellNi")->size()));
        QVERIFY(window.widget("Image1(2)")->isVisible());
        QVERIFY(!window.widget("Image1(1)")->isVisible());
        QVERIFY(!window.widget("FrameCurrent")->isVisible());
    }

    void captionsShowTheirAmpersandsAsDesignedOrAsWritten() {
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        QCOMPARE(widget<QGroupBox>(window, "FramePointIniEnd")->title(),
                 QStringLiteral("Initial && End Point"));
        QCOMPARE(window.action("mnuOpen")->text(), QStringLiteral("Open(&O)"));
        f.dialogs.nextAnswer(Dialogs::Answer::Yes);
        f.form.mnuEnglish_Click();
        f.dialogs.clear();
        QCOMPARE(widget<QGroupBox>(window, "FramePointForRev")->title(),
                 QStringLiteral("Forward && Revervse Point"));
        QCOMPARE(window.action("mnuOpen")->text(), QStringLiteral("Open..."));
        QCOMPARE(widget<QLabel>(window, "LabelCut")->text(), QStringLiteral("Cut Off Per Cell"));
    }

    void modelChangesShowWithoutEchoingBack() {
        FormFixture f;
        MainWindow window(f.form);
        auto* delay = widget<QComboBox>(window, "ComboDelay");
        QCOMPARE(delay->count(), 8);
        QCOMPARE(delay->currentIndex(), -1);

        f.form.Form_Load();
        f.port.clearWritten();
        f.controls.OptionBrake->select(2);
        f.controls.ComboDelay->setListIndex(3);
        f.controls.HScrollTiming->setValue(7);

        QCOMPARE(f.port.writes().size(), 3);
        QVERIFY(widget<QRadioButton>(window, "OptionBrake(2)")->isChecked());
        QVERIFY(!widget<QRadioButton>(window, "OptionBrake(0)")->isChecked());
        QCOMPARE(delay->currentIndex(), 3);
        QCOMPARE(widget<QScrollBar>(window, "HScrollTiming")->value(), 7);
        QCOMPARE(widget<QLabel>(window, "LabelDegree")->text(), QStringLiteral("7°"));
        f.controls.FrameFre->setEnabled(false);
        QVERIFY(!window.widget("FrameFre")->isEnabled());
    }

    void theUsersChoicesReachTheForm() {
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        window.show();
        f.port.clearWritten();

        widget<QComboBox>(window, "ComboDelay")->activated(5);
        widget<QScrollBar>(window, "HScrollTiming")
            ->triggerAction(QAbstractSlider::SliderPageStepAdd);
        qobject_cast<QTabBar*>(window.widget("SSTab1")->findChild<QTabBar*>())->setCurrentIndex(2);
        QTest::mouseClick(widget<QPushButton>(window, "CommandClear"), Qt::LeftButton);

        QCOMPARE(int(f.form.block().value[29]), 5);
        QCOMPARE(int(f.form.block().value[14]), 5);
        QCOMPARE(f.controls.SSTab1->selected(), 2);
        QCOMPARE(f.wire().mid(0, 4), QList<int>({157, 6, 142, 6}));
        QCOMPARE(f.note(), QString());
        QVERIFY(window.widget("Image1(0)")->isVisible());
    }

    void portEntriesNameTheirDevicesAndTheLampItsTrouble() {
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        window.setPortDescriber([](int n) {
            return n <= 2 ? PortEntry{QStringLiteral("/dev/ttyUSB%1").arg(n - 1), n == 1,
                                      QStringLiteral("COM%1: /dev/ttyUSB%2").arg(n).arg(n - 1)}
                          : PortEntry{QString(), false, QStringLiteral("COM%1: none").arg(n)};
        });
        auto* ports = widget<QComboBox>(window, "ComboCOM");
        QCOMPARE(ports->itemText(1), QStringLiteral("COM2"));
        QCOMPARE(ports->itemData(1, Qt::ToolTipRole).toString(),
                 QStringLiteral("COM2: /dev/ttyUSB1"));
        QCOMPARE(ports->itemData(0, PortList::DeviceRole).toString(), QStringLiteral("ttyUSB0"));
        QCOMPARE(ports->itemData(4, PortList::DeviceRole).toString(), QStringLiteral("—"));
        QCOMPARE(ports->itemData(0, PortList::PresentRole).toBool(), true);
        QCOMPARE(ports->itemData(1, PortList::PresentRole).toBool(), false);

        f.port.failNextOpen(PortProblem::Busy);
        ports->activated(1);
        QVERIFY(window.widget("ImageOff")
                    ->toolTip()
                    .contains(QStringLiteral("Close the other program")));
    }

    void tabReadsTheWindowFromTopLeftWithOneStopPerOptionGroup_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("order");
        const QString top = QStringLiteral("ComboCOM CommandSetFactory Text1 CommandClear SSTab1 ");
        QTest::newRow("airplane")
            << 0
            << top +
                   "ComboCTRmodel(0) HScrollTiming OptionTimMon(0) OptionBatType(1) "
                   "ComboNoOfCell ComboPerCellNi ComboPerCellLi OptionCutOffType(0) OptionThr(1) "
                   "OpAcceleration(0) OptionFreqency(0) ComboIniPoint ComboEndPoint "
                   "OptionRotation(0) OptionBrake(0)";
        QTest::newRow("car") << 3
                             << top +
                                    "ComboCTRmodel(3) HScrollTiming OptionTimMon(0) "
                                    "OptionBatType(1) ComboNoOfCell ComboPerCellNi "
                                    "ComboPerCellLi OptionCutOffType(0) OptionThr(1) "
                                    "OpAcceleration(0) OptionFreqency(0) ComboForPoint "
                                    "ComboRevPoint OpReverse(0) ComboPowerLimitF "
                                    "ComboPowerLimitR ComboDelay OptionAbs(0) ComboCurentLimit";
    }

    void tabReadsTheWindowFromTopLeftWithOneStopPerOptionGroup() {
        QFETCH(int, tab);
        QFETCH(QString, order);
        FormFixture f(Start::Loaded);
        f.controls.SSTab1->select(tab);
        MainWindow window(f.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QImage unfocusedBar = window.widget("HScrollTiming")->grab().toImage();
        QStringList visited;
        do {
            QWidget* focus = QApplication::focusWidget();
            const QString name = window.widgetName(focus);
            visited << (name.isEmpty() ? window.widgetName(focus->parentWidget()) : name);
            if (name == QLatin1String("HScrollTiming")) {
                QVERIFY(focus->grab().toImage() != unfocusedBar);
            }
            QTest::keyClick(focus, Qt::Key_Tab);
        } while (visited.size() < 40 && QApplication::focusWidget() != window.widget("ComboCOM"));
        QCOMPARE(visited.join(' '), order);
    }

    void keysDoWhatTheMouseDoes_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QPointF>("at");  // where on `clicked` the mouse clicks, as fractions
        QTest::addColumn<int>("messages");
        const QPointF middle(0.5, 0.5);
        QTest::newRow("down to the next option")
            << "OptionBrake(0)" << int(Qt::Key_Down) << "OptionBrake(1)" << middle << 1;
        QTest::newRow("right to the next option")
            << "OptionThr(1)" << int(Qt::Key_Right) << "OptionThr(2)" << middle << 1;
        QTest::newRow("left to the previous option")
            << "OptionBatType(1)" << int(Qt::Key_Left) << "OptionBatType(0)" << middle << 1;
        QTest::newRow("up onto the selected option")
            << "OptionBrake(1)" << int(Qt::Key_Up) << "OptionBrake(0)" << middle << 0;
        QTest::newRow("up from the first option")
            << "OptionBrake(0)" << int(Qt::Key_Up) << "OptionBrake(0)" << middle << 0;
        QTest::newRow("right arrow of the timing")
            << "HScrollTiming" << int(Qt::Key_Right) << "HScrollTiming" << QPointF(0.96, 0.5) << 1;
        QTest::newRow("left arrow of the timing")
            << "HScrollTiming" << int(Qt::Key_Left) << "HScrollTiming" << QPointF(0.04, 0.5) << 1;
        QTest::newRow("page up the timing")
            << "HScrollTiming" << int(Qt::Key_PageUp) << "HScrollTiming" << QPointF(0.8, 0.5) << 1;
        QTest::newRow("page down the timing") << "HScrollTiming" << int(Qt::Key_PageDown)
                                              << "HScrollTiming" << QPointF(0.2, 0.5) << 1;
    }

    void keysDoWhatTheMouseDoes() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(QString, clicked);
        QFETCH(QPointF, at);
        QFETCH(int, messages);
        FormFixture byMouse(Start::Loaded);
        FormFixture byKey(Start::Loaded);
        MainWindow mouseWindow(byMouse.form);
        MainWindow keyWindow(byKey.form);
        for (FormFixture* f : {&byMouse, &byKey}) {
            f->controls.HScrollTiming->setValue(15);
            f->port.clearWritten();
        }
        mouseWindow.show();
        QWidget* target = mouseWindow.widget(clicked);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          QPoint(int(target->width() * at.x()), int(target->height() * at.y())));
        keyWindow.show();
        QVERIFY(QTest::qWaitForWindowActive(&keyWindow));
        keyWindow.widget(focused)->setFocus();
        QTest::keyClick(keyWindow.widget(focused), Qt::Key(key));

        QCOMPARE(byKey.wire(), byMouse.wire());
        QCOMPARE(byKey.wire().size(), 2 * messages);
        QCOMPARE(QApplication::focusWidget(), keyWindow.widget(clicked));
    }

    void aFormOutlivingItsWindowKeepsWorking() {
        FormFixture f(Start::Loaded);
        {
            MainWindow window(f.form);
            window.show();
        }
        f.controls.OptionBrake->select(3);
        f.controls.Text1->append(QStringLiteral("more"));
        f.controls.SSTab1->select(2);
        QCOMPARE(int(f.form.block().value[9]), 3);
    }

    // Each note is one line; the window is told only the piece appended.
    void theNoteBoxAddsEachNoteAsALine() {
        FormFixture f;
        MainWindow window(f.form);
        auto* note = widget<QPlainTextEdit>(window, "Text1");
        QCOMPARE(note->toPlainText(), QStringLiteral("The note record your setting change"));
        QList<Property> told;
        f.controls.Text1->observe([&](Property property) { told << property; });
        f.controls.Text1->setText(QStringLiteral("Car\r\n"));
        f.controls.Text1->append(QStringLiteral("Brake type: Hard\r\n"));
        f.controls.Text1->append(QString());
        QCOMPARE(told, QList<Property>({Property::Text, Property::TextAppended}));
        QCOMPARE(f.controls.Text1->lastAppended(), QStringLiteral("Brake type: Hard\r\n"));
        f.controls.Text1->append(QStringLiteral("OK\r"));
        f.controls.Text1->append(QStringLiteral("\nA"));
        QCOMPARE(note->toPlainText(), QStringLiteral("Car\nBrake type: Hard\nOK\nA"));
        QVERIFY(note->isReadOnly());
    }

    void aFloodOfNotesKeepsTheNewestTextWithinCapacity() {
        TextBox box("Text1", "");
        const QString line = QStringLiteral("received 0123456789\r\n");
        for (qsizetype written = 0; written < 3 * TextBox::Capacity; written += line.size()) {
            box.append(line);
            QVERIFY(box.text().size() <= TextBox::Capacity);
        }
        QVERIFY(box.text().size() >= TextBox::Capacity / 2 - line.size());
        QVERIFY(box.text().startsWith(line));
        QVERIFY(box.text().endsWith(line));
    }

    void theAdaptersWindowGivesEachAdapterOneNumberThatFollowsIt() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        const SerialDevice ftdi{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A1", "FTDI FT232R #A1"};
        const SerialDevice ch340{"/dev/ttyUSB1", "/dev/serial/by-id/usb-CH340_B", "QinHeng CH340"};
        QList<SerialDevice> present{ftdi, ch340};
        AdaptersDialog dialog(
            resolver, [&present] { return present; }, false);
        QSignalSpy assigned(&dialog, &AdaptersDialog::assigned);

        dialog.assignRow(1, 3);
        dialog.assignRow(0, 1);

        QCOMPARE(resolver.deviceFor(3), ch340.stableName);
        QCOMPARE(resolver.deviceFor(1), ftdi.stableName);
        QCOMPARE(assigned.size(), 2);
        QCOMPARE(assigned.first().first().toInt(), 3);

        // Plugged in the other order, each adapter keeps its number.
        present = {{"/dev/ttyUSB0", ch340.stableName, ch340.identity},
                   {"/dev/ttyUSB1", ftdi.stableName, ftdi.identity}};
        QTRY_COMPARE(dialog.table()->item(0, 1)->text(), ch340.identity);
        QCOMPARE(qobject_cast<QComboBox*>(dialog.table()->cellWidget(0, 0))->currentText(),
                 QStringLiteral("COM3"));
        QCOMPARE(qobject_cast<QComboBox*>(dialog.table()->cellWidget(1, 0))->currentText(),
                 QStringLiteral("COM1"));
    }

    void anOfferInTheStatusBarIsTakenOnce() {
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow window(f.form);
        int taken = 0;
        window.offer(QStringLiteral("Use FTDI as COM1"), [&taken] { ++taken; });
        window.show();
        QVERIFY(window.offerButton()->isVisible());

        QTest::mouseClick(window.offerButton(), Qt::LeftButton);

        QCOMPARE(taken, 1);
        QVERIFY(!window.offerButton()->isVisible());
    }

    void separatorsAreLinesAndTheFileCommandsHaveTheirShortcuts() {
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        for (const char* separator : {"mnu_", "mnuFileMRU(0)"}) {
            QVERIFY(window.action(separator)->isSeparator());
            QCOMPARE(window.action(separator)->text(), QString());
        }
        QCOMPARE(window.action("mnuOpen")->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(window.action("mnuSave")->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(window.action("mnuExit")->shortcut(), QKeySequence(QKeySequence::Quit));
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
