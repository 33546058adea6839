#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QtTest>

#include "support/FormFixture.h"
#include "ui/MainWindow.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

QStringList linesOf(const QString& text) {
    return QString(text).remove(QLatin1Char('&')).split(QLatin1Char('\n'));
}

int widest(const QFontMetrics& metrics, const QStringList& texts) {
    int width = 0;
    for (const QString& text : texts) {
        width = std::max(width, metrics.horizontalAdvance(text));
    }
    return width;
}

// What a widget shows and the room it has for it, when that room is too small.
QString clipped(const QString& name, QWidget* widget) {
    int needed = 0;
    int room = 0;
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->itemText(i);
        }
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        needed = widest(list->fontMetrics(), items);
        room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        const QStringList lines = linesOf(push->text());
        needed = widest(push->fontMetrics(), lines);
        room = push->width() - 8;
        if (lines.size() * push->fontMetrics().lineSpacing() > push->height() - 4) {
            return name + QStringLiteral(": too many lines");
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        needed = button->sizeHint().width();
        room = button->width();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        needed = group->fontMetrics().horizontalAdvance(linesOf(group->title()).join("")) + 12;
        room = group->width();
    } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
        needed = widest(label->fontMetrics(), linesOf(label->text()));
        room = label->contentsRect().width();
    }
    return needed > room ? QStringLiteral("%1 needs %2 has %3").arg(name).arg(needed).arg(room)
                         : QString();
}

// Controls side by side in one parent that cover part of each other (backdrops, lines and the
// tab strip lie under other controls by design; a control may lie wholly on another).
QStringList overlaps(const QList<QPair<QString, QWidget*>>& shown) {
    QStringList found;
    for (const auto& [name, widget] : shown) {
        for (const auto& [otherName, other] : shown) {
            if (name < otherName && widget->parentWidget() == other->parentWidget() &&
                widget->geometry().intersects(other->geometry()) &&
                !widget->geometry().contains(other->geometry()) &&
                !other->geometry().contains(widget->geometry())) {
                found << name + QStringLiteral(" covers ") + otherName;
            }
        }
    }
    return found;
}

QStringList clippedTexts(FormFixture& f, MainWindow& window) {
    QStringList found;
    for (int tab = 0; tab < 4; ++tab) {
        f.controls.SSTab1->select(tab);
        QList<QPair<QString, QWidget*>> shown;
        for (Control* control : f.form.controlsInOrder()) {
            QStringList names{control->name()};
            if (auto* group = dynamic_cast<OptionGroup*>(control)) {
                names.clear();
                for (int i = 0; i < group->count(); ++i) {
                    names << group->button(i).name();
                }
            }
            for (const QString& name : names) {
                if (QWidget* widget = window.widget(name); widget && widget->isVisible()) {
                    found << clipped(name, widget);
                    if (control->kind() != ControlKind::Shape &&
                        control->kind() != ControlKind::Line &&
                        control->kind() != ControlKind::TabStrip) {
                        shown.append({name, widget});
                    }
                }
            }
        }
        found << overlaps(shown);
    }
    found.removeAll(QString());
    found.removeDuplicates();
    return found;
}

}  // namespace

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void everyTextFitsItsControlInBothLanguages() {
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow window(f.form);
        window.show();
        auto* factory = qobject_cast<QPushButton*>(window.widget("CommandSetFactory"));
        QStringList found = clippedTexts(f, window);
        QCOMPARE(factory->text(), QStringLiteral("Factory\nDefault"));
        f.switchToChinese();
        found << clippedTexts(f, window);
        QCOMPARE(factory->text(), QStringLiteral("恢复工厂\n默认值"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void qtsOwnTextsSpeakTheInterfacesLanguage() {
        const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow window(f.form);
        QCOMPARE(yes(), QStringLiteral("&Yes"));

        f.switchToChinese();
        QCOMPARE(yes(), QStringLiteral("是(&Y)"));

        f.dialogs.nextAnswer(Dialogs::Answer::No);
        f.form.mnuEnglish_Click();
        QCOMPARE(yes(), QStringLiteral("是(&Y)"));

        f.dialogs.nextAnswer(Dialogs::Answer::Yes);
        f.form.mnuEnglish_Click();
        QCOMPARE(yes(), QStringLiteral("&Yes"));
        f.dialogs.clear();
    }
};

QTEST_MAIN(TestAppearance)
#include "TestAppearance.moc"
