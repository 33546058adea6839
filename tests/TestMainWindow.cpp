#include <QtTest/qtestspontaneevent.h>

#include <QtTest>
#include <QtWidgets>

#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "platform/PortResolver.h"
#include "pty/PseudoTerminal.h"
#include "support/FormFixture.h"
#include "support/ModalAnswers.h"
#include "ui/AdaptersDialog.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"
#include "window/record/SettingsDescription.h"
#include "window/texts/Texts.h"
#include "window/texts/Translation.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

template <class T>
T* widget(const MainWindow& window, const char* name) {
    return qobject_cast<T*>(window.widget(QLatin1String(name)));
}

// Counts the wheel turns that reach the widget it watches.
struct WheelCount : QObject {
    int turns = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        turns += event->type() == QEvent::Wheel ? 1 : 0;
        return false;
    }
};

// A made-up language: each text 40 % longer and bracketed, "|"-separated entries each, with
// its placeholders and line ends kept. It notes every text it is asked for.
struct PseudoCatalogue : QTranslator {
    mutable QSet<QPair<QByteArray, QByteArray>> asked;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        asked.insert({context, source});
        QStringList entries = QString::fromUtf8(source).split('|');
        for (QString& entry : entries) {
            const auto longer = static_cast<qsizetype>(std::ceil(entry.size() * 1.4));
            entry =
                "[" + entry + QString(std::max<qsizetype>(0, longer - entry.size() - 2), '~') + "]";
        }
        return entries.join('|');
    }
};
constexpr Language Pseudo{"pseudo", "", "", ""};

// What a text keeps in every language: its entries, placeholders and line ends.
QString shapeOf(const QString& text) {
    static const QRegularExpression kept(QStringLiteral("\\||%[\\dn]|\r\n"));
    QStringList shape;
    for (const QRegularExpressionMatch& match : kept.globalMatch(text)) {
        shape << match.captured();
    }
    shape.sort();
    return shape.join(' ');
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // The window keeps its size. Designed captions mark their access keys, captions switched
    // show their '&' as written. Qt's own buttons and the guide follow the language.
    void theWindowIsFixedAndFollowsTheLanguage() {
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        window.show();
        QCOMPARE(window.client()->size(), QSize(604, 644));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!window.widget("Text2")->isVisible());  // the trace lies outside the client area
        QTRY_VERIFY(!window.windowIcon().isNull());     // given once the window has been drawn
        // A caption, two items with their keys, a hint, Qt's Yes, the languages checked, the
        // second menu, and Help > How to use: the guide's title, each setting with its hint.
        const auto shown = [&window] {
            QStringList texts{widget<QGroupBox>(window, "FramePointForRev")->title()};
            for (const QAction* item : {window.action("mnuOpen"), window.action("mnuRedo")}) {
                texts << item->text() + ' ' + item->shortcut().toString();
            }
            texts << window.action("mnuSendAll")->toolTip()
                  << QCoreApplication::translate("QPlatformTheme", "&Yes");
            for (const Language& language : Languages) {
                if (window.action(fromView(language.menuItem))->isChecked()) {
                    texts << fromView(language.caption) + "✓";
                }
            }
            window.action("mnuHow")->trigger();
            const auto* guide = window.findChild<QTextBrowser*>();
            const bool hinted =
                guide->toPlainText().contains(window.widget("OptionBrake(0)")->toolTip());
            texts << window.menuBar()->actions().value(1)->text()
                  << guide->window()->windowTitle() + (hinted && guide->isVisible() ? "" : " bare");
            return texts.join('|');
        };
        const QString english = "Choose a model first: choosing it sends the factory settings";
        QCOMPARE(shown(), "Forward && Reverse Point|Open(&O) Ctrl+O|Redo(&R) Ctrl+Shift+Z|" +
                              english + "|&Yes|English✓|Edit(&E)|How to use Rotaline");
        const QList<std::pair<const char*, QString>> switches{
            {"mnuChinese",
             "向前/倒退点|打开... Ctrl+O|重做(&R) Ctrl+Shift+Z|"
             "请先选择型号：选择型号即发送出厂设置|是(&Y)|中文✓|编辑|Rotaline 使用说明"},
            {"mnuEnglish", "Forward && Revervse Point|Open... Ctrl+O|Redo(&R) Ctrl+Shift+Z|" +
                               english + "|&Yes|English✓|Edit|How to use Rotaline"},
            {"mnuGerman",
             "Gasweg vorwärts && rückwärts|&Öffnen... Ctrl+O|&Wiederholen Ctrl+Shift+Z|Wählen "
             "Sie zuerst ein Modell: Die Auswahl sendet die Werkseinstellungen|&Ja|Deutsch✓|"
             "&Bearbeiten|Bedienung von Rotaline"}};
        for (const auto& [item, expected] : switches) {
            f.dialogs.nextAnswer(Dialogs::Answer::Yes);
            window.action(item)->trigger();
            f.dialogs.clear();
            QCOMPARE(shown(), expected);
        }
    }

    // Switched to a made-up language, every word the window shows comes from the catalogue
    // (only the numbers, units and names kept in every language do not); every text asked for
    // has a translation of the same shape in each catalogue.
    void everyTextComesFromTheCatalogue() {
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        PseudoCatalogue pseudo;
        useCatalogue(Pseudo, &pseudo);
        f.switchTo(Pseudo);
        useCatalogue(Pseudo, nullptr);
        const QRegularExpression kept(QStringLiteral(
            "^(mnuFileMRU.*|mnu_|mnuChinese|mnuEnglish|mnuGerman|FrameAbs|OpMotorPole.*|Label[24]|"
            "LabelDegree|Text1|ComboCOM|ComboPerCell..|ComboNoOfCell|ComboPowerLimit.|"
            "ComboDelay|ComboCurentLimit)$"));
        QStringList unmarked;
        for (Control* control : f.form.controlsInOrder()) {
            QStringList texts{control->caption()};
            if (const auto* valued = dynamic_cast<const ValueControl*>(control)) {
                texts << valued->choiceTexts();
            }
            for (int tab = 0; tab < 4 && dynamic_cast<TabStrip*>(control) != nullptr; ++tab) {
                texts << dynamic_cast<TabStrip*>(control)->tabCaption(tab);
            }
            for (const QString& text : texts) {
                if (text.contains(QRegularExpression("[A-Za-z]")) && !text.startsWith('[') &&
                    !kept.match(control->name()).hasMatch()) {
                    unmarked << control->name() + ": " + text;
                }
            }
        }
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join('\n')));
        QVERIFY(pseudo.asked.size() > 100);
        for (const Language& language : Languages) {
            QTranslator catalogue;
            const QString code = fromView(language.code);
            QVERIFY(code.isEmpty() || catalogue.load(":/translations/rotaline_" + code + ".qm"));
            for (const auto& [context, source] : pseudo.asked) {
                const QString text = catalogue.translate(context, source);
                QVERIFY2(code.isEmpty() || (!text.isEmpty() && shapeOf(text) == shapeOf(source)),
                         qPrintable(code + ": " + source));
            }
        }
    }

    // On the tab the user picked, Tab goes from top left, one stop per option group, drawing its
    // focus; the note box shows each line end as one break, also a CR LF split between notes.
    void tabReadsTheWindowFromTopLeftWithOneStopPerOptionGroup() {
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        window.show();
        window.widget("SSTab1")->findChild<QTabBar*>()->setCurrentIndex(3);  // the most controls
        window.finishStartUp();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QHash<QString, QImage> unfocused;
        for (const char* drawn : {"HScrollTiming", "Text1"}) {
            unfocused.insert(drawn, window.widget(drawn)->grab().toImage());
        }
        QStringList visited;
        do {
            QWidget* focus = QApplication::focusWidget();
            const QString name = window.widgetName(focus);
            if (unfocused.contains(name)) {
                QVERIFY2(focus->grab().toImage() != unfocused[name], qPrintable(name));
            }
            visited << (name.isEmpty() ? window.widgetName(focus->parentWidget()) : name);
            QTest::keyClick(focus, Qt::Key_Tab);
        } while (visited.size() < 40 && QApplication::focusWidget() != window.widget("ComboCOM"));
        QCOMPARE(
            visited.join(' '),
            QStringLiteral("ComboCOM CommandSetFactory Text1 CommandClear SSTab1 ComboCTRmodel(3) "
                           "HScrollTiming OptionTimMon(0) OptionBatType(1) ComboNoOfCell "
                           "ComboPerCellNi ComboPerCellLi OptionCutOffType(0) OptionThr(1) "
                           "OpAcceleration(0) OptionFreqency(0) ComboForPoint ComboRevPoint "
                           "OpReverse(0) ComboPowerLimitF ComboPowerLimitR ComboDelay "
                           "OptionAbs(0) ComboCurentLimit"));
        f.controls.Text1->setText(QString());
        for (const char* piece : {"Car\r\n", "Brake type: Hard\r\n", "", "OK\r", "\nA"}) {
            f.controls.Text1->append(QString::fromLatin1(piece));
        }
        const auto* note = widget<QPlainTextEdit>(window, "Text1");
        QVERIFY(note->isReadOnly() && note->toPlainText() == "Car\nBrake type: Hard\nOK\nA");
    }

    // F10 opens the first menu, also where the captions carry no access keys (after a switch);
    // German gives every menu title and item an access key, one letter each per menu.
    void theKeyboardReachesTheMenusInEveryLanguage() {
        const QString style = QApplication::style()->name();
        QApplication::setStyle(QStringLiteral("Fusion"));  // as Linux desktops draw Qt programs
        FormFixture f(Start::Loaded);
        f.switchTo(Chinese);
        MainWindow window(f.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.windowHandle(), Qt::Key_F10);
        const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(menu != nullptr ? menu->title() : QStringLiteral("nothing"), "文件");
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);

        f.switchTo(German);
        QStringList keyless;
        for (QAction* title : QList<QAction*>{nullptr} + window.menuBar()->actions()) {
            QSet<QString> keys;
            for (QAction* item :
                 title == nullptr ? window.menuBar()->actions() : title->menu()->actions()) {
                const QString text = QString(item->text()).remove("&&");
                const QString key = text.mid(text.indexOf('&') + 1, 1).toLower();
                if (item->isVisible() && !item->isSeparator() &&
                    (!text.contains('&') || keys.contains(key))) {
                    keyless << item->text();
                }
                keys << (text.contains('&') ? key : QString());
            }
        }
        QVERIFY2(keyless.isEmpty(), qPrintable(keyless.join(", ")));
        QApplication::setStyle(style);
    }

    void keysDoWhatTheMouseDoes_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QPointF>("at");  // where on `clicked` the mouse clicks, as fractions
        const QPointF middle(0.5, 0.5);
        QTest::newRow("down to the next option")
            << "OptionBrake(0)" << int(Qt::Key_Down) << "OptionBrake(1)" << middle;
        QTest::newRow("up onto the selected option")
            << "OptionBrake(1)" << int(Qt::Key_Up) << "OptionBrake(0)" << middle;
        QTest::newRow("up from the first option")
            << "OptionBrake(0)" << int(Qt::Key_Up) << "OptionBrake(0)" << middle;
        QTest::newRow("right arrow of the timing")
            << "HScrollTiming" << int(Qt::Key_Right) << "HScrollTiming" << QPointF(0.96, 0.5);
        QTest::newRow("page up the timing")
            << "HScrollTiming" << int(Qt::Key_PageUp) << "HScrollTiming" << QPointF(0.8, 0.5);
    }
    void keysDoWhatTheMouseDoes() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(QString, clicked);
        QFETCH(QPointF, at);
        FormFixture byMouse(Start::Loaded);
        FormFixture byKey(Start::Loaded);
        MainWindow mouseWindow(byMouse.form);
        MainWindow keyWindow(byKey.form);
        mouseWindow.show();
        QWidget* target = mouseWindow.widget(clicked);
        QTest::mouseClick(target, Qt::LeftButton, {},
                          QPoint(int(target->width() * at.x()), int(target->height() * at.y())));
        keyWindow.show();
        QVERIFY(QTest::qWaitForWindowActive(&keyWindow));
        keyWindow.widget(focused)->setFocus();
        QTest::keyClick(keyWindow.widget(focused), Qt::Key(key));

        QCOMPARE(byKey.wire(), byMouse.wire());
        QCOMPARE(QApplication::focusWidget(), keyWindow.widget(clicked));
    }

    // Scrolling past a list or the timing bar goes on to the window; only the control that has
    // the keyboard focus takes a wheel turn.
    void aWheelTurnChangesOnlyTheFocusedControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QList<int>>("sent");
        for (const char* name : {"ComboPerCellLi", "ComboNoOfCell", "HScrollTiming"}) {
            QTest::newRow(name) << name << false << QList<int>();
        }
        QTest::newRow("ComboPerCellLi focused") << "ComboPerCellLi" << true << QList<int>{148, 7};
        QTest::newRow("HScrollTiming focused") << "HScrollTiming" << true << QList<int>{142, 4};
    }
    void aWheelTurnChangesOnlyTheFocusedControl() {
        QFETCH(QString, control);
        QFETCH(bool, focused);
        QFETCH(QList<int>, sent);
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* shown = window.widget(control);
        (focused ? shown : window.widget("Text1"))->setFocus();
        WheelCount reachedWindow;
        window.client()->installEventFilter(&reachedWindow);

        const QPointF middle = QRectF(shown->rect()).center();
        QWheelEvent turn(middle, shown->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&turn);        // as from the window system
        QApplication::instance()->notify(shown, &turn);  // sendEvent would not propagate it

        QCOMPARE(f.wire(), sent);
        QCOMPARE(reachedWindow.turns, focused ? 0 : 1);
        window.client()->removeEventFilter(&reachedWindow);
    }

    // With the adapter pulled, one press on the timing bar's right arrow, or the Right key held,
    // is one step and one box: the box ends the press and the held key's repeats. With the
    // adapter back, Send all and Factory Default send the factory timing and no step after it.
    void oneGestureIsOneStepWhateverBoxesItBrings_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("arrow held") << false;
        QTest::newRow("key held") << true;
    }
    void oneGestureIsOneStepWhateverBoxesItBrings() {
        QFETCH(bool, byKey);
        FakeSerialPort port;
        ProgrammingLink link{port};
        QtDialogs dialogs;
        MemorySettingsStore settings;
        MainForm form{link, dialogs, settings};
        form.Form_Load();
        form.controls().ComboCTRmodel[0]->setListIndex(0);
        MainWindow window(form);
        dialogs.setParent(&window);
        window.show();
        auto* bar = widget<QScrollBar>(window, "HScrollTiming");
        ModalAnswers okLater(800);  // each box stays up longer than a held arrow waits to repeat
        port.setPresentPorts({});
        port.pull();

        const QPoint rightArrow(bar->width() - 4, bar->height() / 2);
        byKey ? QTest::keyPress(bar, Qt::Key_Right)
              : QTest::mousePress(bar, Qt::LeftButton, {}, rightArrow);
        for (int repeat = 0; byKey && repeat < 3; ++repeat) {
            QKeyEvent again(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(bar, &again);
        }
        struct Held : QScrollBar {
            using QAbstractSlider::repeatAction;  // what a press still going repeats
        };
        QCOMPARE((bar->*&Held::repeatAction)(), QAbstractSlider::SliderNoAction);
        byKey ? QTest::keyRelease(bar, Qt::Key_Right)
              : QTest::mouseRelease(bar, Qt::LeftButton, {}, rightArrow);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(okLater.boxes.size(), 1);
        QCOMPARE(port.log().filter("failed").size(), 1);

        port.setPresentPorts({1});
        window.action("mnuSendAll")->trigger();
        QVERIFY(port.writes().contains(QByteArray("\x8E\x02")));  // the step made meanwhile
        port.clearWritten();
        widget<QPushButton>(window, "CommandSetFactory")->click();
        QCOMPARE(okLater.boxes.size(), 1);
        QList<QByteArray> timing = port.writes();
        timing.removeIf([](const QByteArray& message) { return message[0] != '\x8E'; });
        QCOMPARE(timing, QList<QByteArray>({"\x8E\x01", "\x8E\x01"}));
        QCOMPARE(port.writes().constLast(), QByteArray("\x9F\x01"));  // the last factory value
    }

    // A setting the batch tool calls in use is one the window lets the user set, on every model.
    void describedInUseIsWhatTheWindowLetsSet_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("model");
        for (const ControllerModel& model : ControllerModels) {
            QTest::newRow(model.name.data()) << model.type << model.index;
        }
    }
    void describedInUseIsWhatTheWindowLetsSet() {
        QFETCH(int, type);
        QFETCH(int, model);
        FormFixture f(Start::Loaded);
        MainWindow window(f.form);
        window.show();
        f.controls.SSTab1->select(type);
        f.controls.ComboCTRmodel[type]->setListIndex(model);
        QStringList described;
        QStringList settable;
        for (const SlotDescription& parameter :
             describeSettings(f.form, f.form.block()).parameters) {
            described << (parameter.inUse ? parameter.name : "-");
            const QString owner = fromView(slotInfo(parameter.slot).owner);
            const QWidget* shown = window.widget(owner) != nullptr ? window.widget(owner)
                                                                   : window.widget(owner + "(0)");
            // A cell list without "Auto" shows no number after the choice: the block keeps none.
            const bool applies =
                f.form.block().inUse[parameter.slot] || owner == f.controls.ComboNoOfCell->name();
            settable << (applies && shown->isVisible() && shown->isEnabled() ? parameter.name
                                                                             : "-");
        }
        QCOMPARE(described, settable);
        QVERIFY(settable.contains("Timing Degree"));
    }

    // Plugged in the other order, each adapter keeps its number; a move names the number it
    // leaves, for the window to follow.
    void theAdaptersWindowGivesEachAdapterOneNumberThatFollowsIt() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        QList<AdapterFinding> present(2);
        for (int i : {0, 1}) {
            present[i].device = "/dev/ttyUSB" + QString::number(i);
            present[i].identity = QStringList{"FTDI", "CH340"}[i];
            present[i].stableName = "/dev/serial/by-id/usb-" + present[i].identity;
        }
        AdaptersDialog dialog(
            resolver,
            [&present] {
                return AdapterSurvey{present, GroupStanding::Member};
            },
            English);
        QSignalSpy assigned(&dialog, &AdaptersDialog::assigned);
        dialog.assignRow(1, 3);
        dialog.assignRow(0, 1);
        std::reverse(present.begin(), present.end());
        std::swap(present[0].device, present[1].device);
        dialog.refresh();
        const auto number = [&dialog](int row) {
            return qobject_cast<QComboBox*>(dialog.table()->cellWidget(row, 0))->currentText();
        };
        QCOMPARE(dialog.table()->item(0, 1)->text() + ' ' + number(0) + ' ' + number(1),
                 QStringLiteral("CH340 COM3 COM1"));
        dialog.assignRow(0, 5);
        QCOMPARE(assigned, (QList<QVariantList>{{3, 0}, {1, 0}, {5, 3}}));
    }

    // A desk with a board's UART and no USB adapter: the window says why none is listed, shows
    // what was given by hand, refuses a path the port would refuse.
    void theAdaptersWindowShowsWhatIsAssignedWhenNothingIsPlugged() {
        MemorySettingsStore store;
        PortResolver resolver(store);
        store.setValue("Ports", "COM1", "/dev/null");
        store.setValue("Ports", "COM2", "/dev/rotaline-absent");
        AdaptersDialog dialog(
            resolver,
            [] {
                QList<AdapterFinding> findings(2);
                findings[0].device = findings[0].stableName = "/dev/ttyS0";
                findings[1].cause = AdapterCause::NothingPlugged;
                return AdapterSurvey{findings, GroupStanding::Root};
            },
            English);
        dialog.show();
        // Each row: its number, what it is, its state, its device, and how its list offers COM1.
        const auto rows = [table = dialog.table()] {
            QStringList rows;
            for (int row = 0; row < table->rowCount(); ++row) {
                auto* numbers = qobject_cast<QComboBox*>(table->cellWidget(row, 0));
                rows << QStringList{numbers->currentText(), table->item(row, 1)->text(),
                                    table->item(row, 2)->text(), table->item(row, 3)->text(),
                                    numbers->itemText(1)}
                            .join(" | ");
            }
            return rows;
        };

        QVERIFY(dialog.emptyState()->isVisible());  // its words: TestAdapterDiagnosis
        QCOMPARE(
            rows(),
            QStringList({"none |  | Ready. | /dev/ttyS0 | COM1 (null)",
                         "COM1 | assigned by hand | /dev/null is not a serial device. | "
                         "/dev/null | COM1",
                         "COM2 | assigned, not present | /dev/rotaline-absent is not present. | "
                         "/dev/rotaline-absent | COM1 (null)"}));

        // A typed path the port would refuse is refused at once, for the port's reason.
        QStringList refused;
        for (const QString typed : {"pts/999", "/dev/null"}) {  // a name alone is under /dev
            dialog.assignPath(typed, 4);
            refused << dialog.refusal()->text() + " " + resolver.deviceFor(4);
        }
        QCOMPARE(refused, QStringList({"/dev/pts/999 is not present. ",
                                       "/dev/null is not a serial device. "}));

        // Enter assigns the typed line; a number another device holds is taken only on Yes.
        PseudoTerminal adapter;
        const QString pty = QString::fromStdString(adapter.slavePath());
        QStringList asked;
        for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            QTimer::singleShot(0, [&asked, answer] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                asked << (box != nullptr ? box->text() : QStringLiteral("no question"));
                if (box != nullptr) {
                    box->button(answer)->click();
                }
            });
            dialog.pathField()->setText(pty);
            dialog.pathField()->parentWidget()->findChild<QComboBox*>()->setCurrentIndex(1);
            QTest::keyClick(dialog.pathField(), Qt::Key_Return);
            asked << resolver.deviceFor(2);
        }
        const QString question =
            "COM2 is given to rotaline-absent. Give it to " + pty.mid(5) + " instead?";
        QCOMPARE(asked, QStringList({question, "/dev/rotaline-absent", question, pty}));
        QCOMPARE(rows().last(), "COM2 | assigned by hand | Ready. | " + pty + " | COM1 (null)");
        QVERIFY(dialog.isVisible() && dialog.refusal()->isHidden());
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
