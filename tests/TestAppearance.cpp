#include <QtTest>
#include <QtWidgets>
#include <cmath>

#include "DarkPalette.h"
#include "support/FormFixture.h"
#include "ui/LayoutTable.h"
#include "ui/MainWindow.h"
#include "ui/StatusText.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Shown = QPair<QString, QWidget*>;

// What `check` finds among the controls shown on each tab, in every language.
QStringList onEveryTab(const std::function<QStringList(const QList<Shown>&)>& check) {
    FormFixture f(FormFixture::Start::Loaded);
    MainWindow window(f.form);
    window.show();
    window.finishStartUp();
    QStringList found;
    for (const Language* language : {&English, &Chinese, &German}) {
        f.switchTo(*language);
        for (int tab = 0; tab < 4; ++tab) {
            f.controls.SSTab1->select(tab);
            QList<Shown> shown;
            for (const Placement& placement : layoutTable()) {
                const QString name =
                    QString::fromLatin1(placement.name.data(), placement.name.size());
                if (QWidget* widget = window.widget(name); widget == nullptr) {
                    found << name + QStringLiteral(" was not built");
                } else if (widget->isVisible()) {
                    shown.append({name, widget});
                }
            }
            found << check(shown);
        }
    }
    found.removeAll(QString());
    found.removeDuplicates();
    return found;
}

int widest(const QFontMetrics& metrics, const QString& text) {
    int width = 0;
    for (const QString& line : QString(text).remove(QLatin1Char('&')).split(QLatin1Char('\n'))) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    return width;
}

// "name needs N has M" when a widget's text is cut off.
QString clipped(const QString& name, QWidget* widget) {
    int needed = widest(widget->fontMetrics(), widget->property("text").toString());
    int room = widget->width();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        needed = widest(group->fontMetrics(), group->title()) + 12;
    } else if (widget->inherits("QRadioButton")) {
        needed = widget->sizeHint().width();
    } else if (widget->inherits("QPushButton")) {
        room -= 8;
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        needed = widest(list->fontMetrics(), list->placeholderText());  // while none is chosen
        for (int i = 0; i < list->count(); ++i) {
            needed = std::max(needed, widest(list->fontMetrics(), list->itemText(i)));
        }
        QStyleOptionComboBox option;
        option.initFrom(list);
        // The entry is drawn a pixel inside each side of the field, and clipped to the field.
        room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width() -
            2;
    }
    return needed > room ? QStringLiteral("%1 needs %2 has %3").arg(name).arg(needed).arg(room)
                         : QString();
}

// Texts cut off, and controls in one parent that cover part of each other (a control may lie
// wholly on another, as on a backdrop; lines cross others by design).
QStringList clippedOrCovered(const QList<Shown>& shown) {
    QStringList found;
    for (const auto& [name, widget] : shown) {
        found << clipped(name, widget);
        for (const auto& [otherName, other] : shown) {
            const QRect a = widget->geometry();
            const QRect b = other->geometry();
            if (name < otherName && !name.startsWith(QLatin1String("Line")) &&
                !otherName.startsWith(QLatin1String("Line")) &&
                widget->parentWidget() == other->parentWidget() && a.intersects(b) &&
                !a.contains(b) && !b.contains(a)) {
                found << name + QStringLiteral(" covers ") + otherName;
            }
        }
    }
    return found;
}

// How far two colours stand apart, 1 : 1 to 21 : 1.
double contrast(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        double sum = 0;
        for (const auto& [c, weight] : {std::pair{colour.redF(), 0.2126},
                                        {colour.greenF(), 0.7152},
                                        {colour.blueF(), 0.0722}}) {
            sum += weight * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Captions that stand out from what lies behind them less than 4.5 : 1.
QStringList hardToRead(const QList<Shown>& shown) {
    QStringList found;
    for (const auto& [name, widget] : shown) {
        if (!widget->isEnabled() || !QStringList{"QGroupBox", "QLabel", "QRadioButton"}.contains(
                                        widget->metaObject()->className())) {
            continue;
        }
        QColor behind = widget->palette().color(QPalette::Window);
        for (const auto& [backdrop, drawn] : shown) {
            if (backdrop.startsWith(QLatin1String("Shape")) &&
                drawn->parentWidget() == widget->parentWidget() &&
                drawn->geometry().contains(widget->geometry())) {
                behind = drawn->grab().toImage().pixelColor(0, 0);
            }
        }
        if (contrast(widget->palette().color(QPalette::WindowText), behind) < 4.5) {
            found << name;
        }
    }
    return found;
}

}  // namespace

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    // Also run at twice the pixel ratio.
    void everyTextFitsItsControlInEveryLanguage() {
        const QStringList found = onEveryTab(clippedOrCovered);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void captionsAreReadableUnderLightAndDarkPalettes() {
        QStringList found = onEveryTab(hardToRead);
        QApplication::setPalette(darkPalette());
        found << onEveryTab(hardToRead);
        QApplication::setPalette(QPalette());
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // A change the controller lacks shows checked, frames its group in a colour that stands out
    // from the window, and the control's accessible description says so before its hint, until
    // sent.
    void anUnsentChangeIsMarkedReadablyAndSaid_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }
    void anUnsentChangeIsMarkedReadablyAndSaid() {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? darkPalette() : QPalette());
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow window(f.form);
        window.show();
        QWidget* group = window.widget("FrameBrake");
        const auto border = [group] {
            const QImage image = group->grab().toImage();
            return image.pixelColor(image.width() / 2, image.height() - 1);
        };
        const auto said = [&window] {
            return QAccessible::queryAccessibleInterface(window.widget("OptionBrake(4)"))
                ->text(QAccessible::Description);
        };
        const QString hint = window.widget("OptionBrake(4)")->toolTip();
        const QColor unmarked = border();

        f.port.failNextWrite();
        f.options("OptionBrake").select(4);
        f.dialogs.clear();  // the invalid-port message
        QVERIFY(qobject_cast<QRadioButton*>(window.widget("OptionBrake(4)"))->isChecked());
        const QColor marked = border();
        QVERIFY2(contrast(marked, group->palette().color(QPalette::Window)) >= 3,
                 qPrintable(marked.name()));
        QCOMPARE(said(), "Not sent to the controller\n" + hint);

        f.options("OptionBrake").select(2);
        QCOMPARE(border(), unmarked);
        QCOMPARE(said(), hint);
        QApplication::setPalette(QPalette());
    }

    // The status bar's text is cut with "…" to the bar, whole in its tooltip; one that changes
    // while a menu's tip hides it is cut anew when the tip goes.
    void aLongStatusTextIsCutToTheBarAndKeptWhole() {
        FormFixture f(FormFixture::Start::Loaded);
        MainWindow window(f.form);
        window.show();
        const QString saved = "Setup sheet saved to /home/pilot/" + QString(120, 'x') + ".pdf";
        window.statusBar()->showMessage(QStringLiteral("Opens a settings file"));
        window.showStatus([&saved](const Language&) { return saved; });
        window.statusBar()->clearMessage();

        const StatusText* status = window.lineText();
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), status->fontMetrics().elidedText(saved, Qt::ElideRight,
                                                                  status->contentsRect().width()));
        QVERIFY(status->text().endsWith(QChar(0x2026)));
        QCOMPARE(status->toolTip(), saved);
    }
};

QTEST_MAIN(TestAppearance)
#include "TestAppearance.moc"
