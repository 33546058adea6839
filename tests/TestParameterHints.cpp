#include <QtTest>

#include "model/ParameterTable.h"
#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

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

class TestParameterHints : public QObject {
    Q_OBJECT
private slots:
    void everyParameterHintGivesItsFactoryDefaultInTheLanguageShown() {
        FormFixture f(Start::Loaded);
        QHash<int, QString> english;
        for (const bool chinese : {false, true}) {
            if (chinese) {
                f.switchToChinese();
            }
            for (const Parameter& parameter : Parameters) {
                const Control& control = f.control(fromView(parameter.control));
                const QString hint = control.toolTip();
                QVERIFY2(
                    hint.contains(shownValue(f, control)) && hint != english.value(parameter.slot),
                    qPrintable(control.name() + ": " + hint));
                english.insert(parameter.slot, hint);
            }
        }
        f.controls.SSTab1->select(0);
        f.controls.ComboCTRmodel[0]->setListIndex(1);  // its cell list starts at "2"
        QVERIFY(f.controls.ComboNoOfCell->toolTip().contains(QStringLiteral("出厂默认值：2")));
    }
};

QTEST_GUILESS_MAIN(TestParameterHints)
#include "TestParameterHints.moc"
