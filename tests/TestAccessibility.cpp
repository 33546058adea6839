// What a screen reader finds in the window: every control by a name of its own, in the
// language shown.
#include <QtTest>
#include <QtWidgets>

#include "support/FormFixture.h"
#include "ui/MainWindow.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// What the user operates, or what names a group of it.
const QSet<QAccessible::Role> Controls{
    QAccessible::ComboBox,   QAccessible::RadioButton, QAccessible::CheckBox,
    QAccessible::PushButton, QAccessible::ScrollBar,   QAccessible::EditableText,
    QAccessible::PageTab,    QAccessible::PageTabList, QAccessible::Grouping,
    QAccessible::Graphic,    QAccessible::ToolBar,     QAccessible::ProgressBar,
    QAccessible::StatusBar,  QAccessible::MenuItem};

// What a screen reader hears of a control as Orca reads it over AT-SPI: its value from the value
// or text interface, or, for a list named by the entry it shows (or the greyed text it shows
// while no entry is chosen) while a label names it, that entry, with the labels' names as its
// name.
struct Heard {
    QString name;
    QString value;
};

Heard hear(QAccessibleInterface* control) {
    const QString name = control->text(QAccessible::Name);
    if (QAccessibleValueInterface* value = control->valueInterface()) {
        return {name, value->currentValue().toString()};
    }
    if (QAccessibleTextInterface* text = control->textInterface()) {
        return {name, text->text(0, text->characterCount())};
    }
    QStringList labels;
    for (const auto& [label, relation] : control->relations(QAccessible::Label)) {
        labels << label->text(QAccessible::Name);
    }
    const auto* list = qobject_cast<QComboBox*>(control->object());
    if (list != nullptr && !labels.isEmpty() &&
        (name.isEmpty() || list->findText(name, Qt::MatchExactly) >= 0 ||
         name == list->placeholderText())) {
        return {labels.join(' '), name};
    }
    return {name, QString()};
}

// Controls that show a value of their own: lists and bars.
const QSet<QAccessible::Role> Speaking{QAccessible::ComboBox, QAccessible::ScrollBar,
                                       QAccessible::ProgressBar, QAccessible::Slider};

// The value a list or bar shows: a list without an entry chosen shows its greyed text.
QString shownValue(QObject* widget) {
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        return list->currentIndex() < 0 ? list->placeholderText() : list->currentText();
    }
    return widget->property("value").toString();
}

// What a screen reader would not make out: a control without a name, named only by its value,
// a list or bar that does not say the value it shows, one that takes the focus but says nothing
// of what it does, an option button that is not a radio button inside a named group.
void findFaults(QAccessibleInterface* node, QStringList& faults, int& checked) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr || child->state().invisible) {
            continue;
        }
        const auto [name, value] = hear(child);
        const QString who =
            QStringLiteral("%1 \"%2\" (%3) ")
                .arg(child->object() ? child->object()->metaObject()->className() : "")
                .arg(name)
                .arg(int(child->role()));
        // A tab strip is named by the tab shown and heard through its tabs.
        if (Controls.contains(child->role()) && child->role() != QAccessible::MenuItem &&
            child->role() != QAccessible::PageTabList) {
            ++checked;
            faults << (name.trimmed().isEmpty() ? who + "has no name"
                       : name == value          ? who + "is named by its value"
                                                : QString());
            if (Speaking.contains(child->role()) &&
                (value.isEmpty() || value != shownValue(child->object()))) {
                faults << who + "says \"" + value + "\", not what it shows";
            }
            if (child->state().focusable && child->text(QAccessible::Description).isEmpty()) {
                faults << who + "says nothing of what it does";
            }
        }
        if (child->role() == QAccessible::CheckBox ||
            (child->role() == QAccessible::RadioButton &&
             (node->role() != QAccessible::Grouping || node->text(QAccessible::Name).isEmpty()))) {
            faults << who + "is not a radio button in a named group";
        }
        if (child->role() != QAccessible::ComboBox) {  // a closed list's entries are hidden
            findFaults(child, faults, checked);
        }
    }
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    // Each named by what it sets, with the value apart, in the language shown, also before a
    // model is chosen and while the cell count is the controller's own; some as heard in
    // English, Chinese and German: "name: name, value; the group's name".
    void everyControlHasANameOfItsOwnAndSaysItsValueInEveryLanguage() {
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow window(f.form);
        window.show();
        window.finishStartUp();
        QStringList faults, heard;
        int checked = 0;
        const auto listen = [&window, &heard](const QList<const char*>& names) {
            for (const char* name : names) {
                QAccessibleInterface* shown =
                    QAccessible::queryAccessibleInterface(window.widget(name));
                QAccessibleInterface* group = shown->parent();
                heard << QStringLiteral("%1: %2, %3; %4")
                             .arg(name, hear(shown).name, hear(shown).value,
                                  group->role() == QAccessible::Grouping
                                      ? group->text(QAccessible::Name)
                                      : QString());
            }
        };
        for (const Language* language : {&English, &Chinese, &German}) {
            f.switchTo(*language);
            listen({"ComboPerCellLi", "ComboCOM", "OptionCutOffType(1)", "Text1", "HScrollTiming",
                    "ComboPowerLimitR", "Image1(2)", "ComboCTRmodel(1)"});
            for (int tab = 0; tab < 4; ++tab) {  // no model chosen
                f.controls.SSTab1->select(tab);
                findFaults(QAccessible::queryAccessibleInterface(&window), faults, checked);
            }
            f.controls.SSTab1->select(1);
            f.controls.ComboCTRmodel[1]->setListIndex(1);  // the cell count left to the controller
            listen({"ComboNoOfCell"});
            findFaults(QAccessible::queryAccessibleInterface(&window), faults, checked);
            f.controls.SSTab1->select(3);
            f.controls.ComboCTRmodel[3]->setListIndex(0);  // a list with an entry chosen
            findFaults(QAccessible::queryAccessibleInterface(&window), faults, checked);
        }
        QVERIFY(checked > 12 * 40);
        faults.removeAll(QString());
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        for (const QString expected :
             {"ComboPerCellLi: Li-ion/Poly Cut off per cell, 2.7V; ",
              "ComboCOM: Select COM port, COM1; Select COM port",
              "OptionCutOffType(1): Hard, ; Cut Off Type",
              "Text1: Change notes, Select COM port: COM1\n; ",
              "HScrollTiming: Timing Degree, 0; Timing Degree",
              "ComboPowerLimitR: 倒退功率限制, OFF; 功率限制", "Image1(2): 固定翼飞机, ; ",
              "ComboCTRmodel(1): Controller type, No model chosen; Controller type",
              "ComboCTRmodel(1): ESC 型号, 未选择型号; ESC 型号",
              "ComboNoOfCell: Zellenzahl, Auto; Akku"}) {
            QVERIFY2(heard.contains(expected), qPrintable(heard.join('\n')));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "TestAccessibility.moc"
