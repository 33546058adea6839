#include "ui/AccessibleControls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>
#include <QRadioButton>
#include <QWindow>

namespace rotaline {

namespace {

// Qt on Linux names a list by the entry it shows, and screen readers there hear it so: the
// entry as the list's name, what the list sets from the label that names it. Windows' UI
// Automation reads the name and the value apart: there the list keeps the name it was given.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
constexpr bool NamedByEntry = true;
#else
constexpr bool NamedByEntry = false;
#endif

// What names a list where it is named by its entry: the list's own accessible name.
class ListLabel : public QAccessibleInterface {
public:
    explicit ListLabel(QComboBox* box) : box_(box) {}

    bool isValid() const override { return !box_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return box_ ? box_->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        if (box_ && (match & QAccessible::Labelled)) {
            return {{QAccessible::queryAccessibleInterface(box_), QAccessible::Labelled}};
        }
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return box_ ? QAccessible::queryAccessibleInterface(box_->parentWidget()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return box_ && t == QAccessible::Name ? box_->accessibleName() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

private:
    QPointer<QComboBox> box_;
};

class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox),
          label_(NamedByEntry ? QAccessible::registerAccessibleInterface(new ListLabel(box)) : 0) {}
    ~NamedList() override {
        if (label_ != 0) {
            QAccessible::deleteAccessibleInterface(label_);
        }
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value ||
            (t == QAccessible::Name && (NamedByEntry || box()->accessibleName().isEmpty()))) {
            return shown();
        }
        return QAccessibleWidget::text(t);
    }
    // Named by its entry, the list is labelled by its own name alone.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        if (label_ == 0 || box()->accessibleName().isEmpty()) {
            return QAccessibleWidget::relations(match);
        }
        auto found =
            QAccessibleWidget::relations(match & ~QAccessible::Relation(QAccessible::Label));
        if (match & QAccessible::Label) {
            found.prepend({QAccessible::accessibleInterface(label_), QAccessible::Label});
        }
        return found;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        return state;
    }
    // The entries, as Qt's own list interface offers them.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        action == showMenuAction() ? box()->showPopup() : QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    // The entry chosen, or the greyed text a list shows while none is.
    QString shown() const {
        return box()->currentIndex() < 0 ? box()->placeholderText() : box()->currentText();
    }

    QAccessible::Id label_;
};

class OptionButton : public QAccessibleWidget {
public:
    explicit OptionButton(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty()) {
            // "&&" shows one "&"; a single "&" marks the access key
            QString shown = button()->text();
            return shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
                .remove(QLatin1Char('&'))
                .replace(QLatin1Char('\x01'), QLatin1Char('&'));
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        action == pressAction() ? button()->click() : QAccessibleWidget::doAction(action);
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox")) {
        return new NamedList(static_cast<QComboBox*>(object));
    }
    if (className == QLatin1String("QRadioButton")) {
        return new OptionButton(static_cast<QRadioButton*>(object));
    }
    if (className == QLatin1String("rotaline::PictureWidget")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace rotaline
