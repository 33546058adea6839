#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QtTest>
#include <cmath>
#include <functional>

#include "DarkPalette.h"
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

struct Shown {
    QString name;
    ControlKind kind;
    QWidget* widget;
    bool isBackdrop() const {
        return kind == ControlKind::Shape || kind == ControlKind::Line ||
               kind == ControlKind::TabStrip;
    }
};
using Check = std::function<QStringList(const QList<Shown>&)>;

// What `check` finds among the controls shown on each tab (option buttons one by one).
QStringList onEveryTab(FormFixture& f, MainWindow& window, const Check& check) {
    QStringList found;
    for (int tab = 0; tab < 4; ++tab) {
        f.controls.SSTab1->select(tab);
        QList<Shown> shown;
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
                    shown.append({name, control->kind(), widget});
                }
            }
        }
        found << check(shown);
    }
    found.removeAll(QString());
    found.removeDuplicates();
    return found;
}

// Texts cut off, and controls side by side in one parent that cover part of each other
// (backdrops, lines and the tab strip lie under other controls by design; a control may lie
// wholly on another).
QStringList clippedOrCovered(const QList<Shown>& shown) {
    QStringList found;
    for (const Shown& one : shown) {
        found << clipped(one.name, one.widget);
        for (const Shown& other : shown) {
            const QRect a = one.widget->geometry();
            const QRect b = other.widget->geometry();
            if (one.name < other.name && !one.isBackdrop() && !other.isBackdrop() &&
                one.widget->parentWidget() == other.widget->parentWidget() && a.intersects(b) &&
                !a.contains(b) && !b.contains(a)) {
                found << one.name + QStringLiteral(" covers ") + other.name;
            }
        }
    }
    return found;
}

double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Captions whose text stands out from what lies behind it less than 4.5 : 1.
QStringList hardToRead(const QList<Shown>& shown) {
    QStringList found;
    for (const Shown& text : shown) {
        const bool captioned = text.kind == ControlKind::Frame || text.kind == ControlKind::Label ||
                               qobject_cast<QRadioButton*>(text.widget) != nullptr;
        if (!captioned || !text.widget->isEnabled()) {
            continue;
        }
        QColor behind = text.widget->palette().color(QPalette::Window);
        for (const Shown& backdrop : shown) {
            if (backdrop.kind == ControlKind::Shape &&
                backdrop.widget->parentWidget() == text.widget->parentWidget() &&
                backdrop.widget->geometry().contains(text.widget->geometry())) {
                behind = backdrop.widget->grab().toImage().pixelColor(0, 0);
            }
        }
        const double a = luminance(text.widget->palette().color(QPalette::WindowText));
        const double b = luminance(behind);
        if ((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) < 4.5) {
            found << text.name;
        }
    }
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
        QStringList found = onEveryTab(f, window, clippedOrCovered);
        QCOMPARE(factory->text(), QStringLiteral("Factory\nDefault"));
        f.switchToChinese();
        found << onEveryTab(f, window, clippedOrCovered);
        QCOMPARE(factory->text(), QStringLiteral("恢复工厂\n默认值"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void captionsAreReadableUnderLightAndDarkPalettes() {
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow window(f.form);
        window.show();
        QStringList found = onEveryTab(f, window, hardToRead);
        QApplication::setPalette(darkPalette());
        QApplication::processEvents();
        found << onEveryTab(f, window, hardToRead);
        QApplication::setPalette(QPalette());
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
