#include <QtTest>

#include "model/FactoryDefaults.h"
#include "model/SlotTable.h"
#include "support/ExpectedMessages.h"
#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;
using Answer = Dialogs::Answer;

QStringList captions(const FormFixture& f, const QStringList& names) {
    QStringList texts;
    for (const QString& name : names) {
        texts << f.form.find(name)->caption();
    }
    return texts;
}

QStringList tabCaptions(const FormFixture& f) {
    const auto& tabs = *f.controls.SSTab1;
    QStringList texts;
    for (int tab = 0; tab < tabs.count(); ++tab) {
        texts << tabs.tabCaption(tab);
    }
    return texts;
}

QList<int> typeChange(int type, bool chinese) {
    QList<int> bytes = {133, 21, 134, 21, 135, 21, 136, 21};
    if (chinese) {
        bytes << 150 << 1;
    }
    return bytes << 132 << type + 1;
}

// What the control of a parameter shows: the selected option, the chosen entry, the degrees.
QString shownValue(const FormFixture& f, const Control& control) {
    if (const auto* group = dynamic_cast<const OptionGroup*>(&control)) {
        return group->button(group->selected()).caption().trimmed();
    }
    if (const auto* list = dynamic_cast<const ComboList*>(&control)) {
        return list->text();
    }
    return f.controls.LabelDegree->caption();
}

}  // namespace

class TestLanguageSwitch : public QObject {
    Q_OBJECT
private slots:
    void switchingToChineseRetitlesTabsListsAndResetsTheController() {
        FormFixture f(Start::Loaded);
        f.dialogs.nextAnswer(Answer::Yes);

        f.controls.mnuChinese->click();

        QCOMPARE(f.dialogs.shown().size(), 1);
        QCOMPARE(f.dialogs.texts().first(),
                 QStringLiteral("软件将切换为中文版本，所有的设置都必须重新设定，\r\n要继续吗？"));
        QCOMPARE(f.dialogs.shown().first().buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(f.dialogs.shown().first().icon, Dialogs::Icon::None);
        const QList<int> points = {150, 1, 151, 1, 158, 1, 159, 1};
        const QList<int> defaults = factoryDefaultBytes(1);
        QCOMPARE(f.wire(), typeChange(1, true) + typeChange(2, true) + typeChange(3, true) +
                               points + defaults);
        QCOMPARE(f.controls.SSTab1->selected(), 3);
        QCOMPARE(tabCaptions(f), QStringList({"固定翼飞机", "直升飞机", "船用", "车用"}));
        QCOMPARE(
            captions(f, {"mnuFile", "mnuLanguage", "FrameSelectCom", "FrameEscType(2)",
                         "OptionBrake(5)", "FrameAbs", "OptionAbs(0)", "OpMotorPole(0)"}),
            QStringList({"文件", "语言", "COM口选取", "ESC 型号", "超硬性", "ABS", "开", "2-4"}));
        QVERIFY(!f.controls.mnuFile->captionHasAccessKeys());
        QCOMPARE(f.controls.ComboIniPoint->items().first(), QStringLiteral("自动"));
        QCOMPARE(f.controls.ComboRevPoint->text(), QStringLiteral("自动"));
        QCOMPARE(f.controls.ComboCTRmodel[2]->items(), QStringList({">=40A船用"}));
        for (int type = 0; type < 4; ++type) {
            QCOMPARE(f.list(QStringLiteral("ComboCTRmodel(%1)").arg(type)).listIndex(), -1);
        }
        QCOMPARE(f.controls.ComboNoOfCell->items().first(), QStringLiteral("Auto"));
        QCOMPARE(f.controls.ComboCurentLimit->items().last(), QStringLiteral("No Limit"));
        QCOMPARE(f.note(), QStringLiteral("语言:中文\r\n"));
        QVERIFY(f.form.flags().chinese);

        f.controls.ComboPowerLimitF->setListIndex(1);
        QVERIFY(f.note().endsWith(QStringLiteral("向前功率限制: 75%\r\n")));
    }

    void everyParameterHintGivesItsFactoryDefaultInTheLanguageShown() {
        FormFixture f(Start::Loaded);
        QHash<int, QString> english;
        for (const bool chinese : {false, true}) {
            if (chinese) {
                f.switchToChinese();
            }
            for (const FactoryDefault& step : FactoryDefaults) {
                const Control& control = f.control(fromView(slotInfo(step.slot).owner));
                const QString hint = control.toolTip();
                QVERIFY2(hint.contains(shownValue(f, control)) && hint != english.value(step.slot),
                         qPrintable(control.name() + ": " + hint));
                english.insert(step.slot, hint);
            }
        }
        f.controls.SSTab1->select(0);
        f.controls.ComboCTRmodel[0]->setListIndex(1);  // its cell list starts at "2"
        QVERIFY(f.controls.ComboNoOfCell->toolTip().contains(QStringLiteral("出厂默认值：2")));
    }

    void answeringNoChangesNothing() {
        FormFixture f(Start::Loaded);
        const QString before = f.snapshot();
        f.dialogs.nextAnswer(Answer::No);
        f.form.mnuChinese_Click();
        QCOMPARE(f.dialogs.shown().size(), 1);
        QCOMPARE(f.snapshot(), before);
        QVERIFY(!f.form.flags().chinese);
        QVERIFY(f.wire().isEmpty());
    }

    void withoutAUsablePortEveryStepWarnsInTheNewLanguage() {
        FormFixture f(Start::Loaded);
        f.port.setPresentPorts({});
        f.controls.ComboCOM->setListIndex(1);
        f.controls.ComboIniPoint->setListIndex(2);
        f.controls.ComboForPoint->setListIndex(3);
        f.dialogs.clear();
        ParameterBlock expected = f.form.block();
        f.dialogs.nextAnswer(Answer::Yes);

        f.form.mnuChinese_Click();

        const QString warning = QStringLiteral("COM2是无效的 ！ \r\n请选取别的COM口!");
        QCOMPARE(f.dialogs.texts().mid(1), QStringList(8, warning));
        for (int slot : {22, 23, 30, 31}) {
            expected.value[slot] = 0;
        }
        QVERIFY(f.form.block().value == expected.value);
        QCOMPARE(f.note(), QStringLiteral("语言:中文\r\n"));
    }

    void switchingBackToEnglishUsesTheEnglishColumn() {
        FormFixture f(Start::Loaded);
        f.dialogs.nextAnswer(Answer::Yes);
        f.dialogs.nextAnswer(Answer::Yes);
        f.form.mnuChinese_Click();
        f.form.mnuEnglish_Click();

        QCOMPARE(f.dialogs.texts().last(),
                 QStringLiteral("Software will be changed into english version,all of the "
                                "setting must be reset,\r\nDo you want to countiune?"));
        QCOMPARE(captions(f, {"mnuLanguage", "mnuHow", "FrameTimingMon", "FramePointForRev",
                              "FramePointIniEnd", "FrameAcceleration", "OptionThr(1)",
                              "CommandSetFactory", "FrameBrake"}),
                 QStringList({"Langage", "How to Use...", "Timing Montor",
                              "Forward & Revervse Point", "Initial & End Point", " Acceleration",
                              "Linear", "Factory Default", "Brake Type"}));
        QVERIFY(!f.controls.FramePointForRev->captionHasAccessKeys());
        QCOMPARE(tabCaptions(f), QStringList({"Airplane", "Helicopter", "Boat", "Car"}));
        QCOMPARE(f.controls.ComboEndPoint->text(), QStringLiteral("Automatic"));
        QCOMPARE(f.controls.ComboCTRmodel[0]->items().first(),
                 QStringLiteral("<=30A for aireplane"));
        QCOMPARE(f.note(), QStringLiteral("Language:English\r\n"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLanguageSwitch)
#include "TestLanguageSwitch.moc"
