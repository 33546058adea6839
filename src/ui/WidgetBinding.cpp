#include "ui/WidgetBinding.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <memory>

#include "ui/Captions.h"
#include "window/controls/ComboList.h"
#include "window/controls/OptionGroup.h"
#include "window/controls/ScrollBar.h"
#include "window/controls/TextBox.h"

namespace rotaline {

namespace {

void showCaption(const Control& control, QWidget* widget) {
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(markedText(control));
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        push->setText(fittedText(markedText(control), push->fontMetrics(), push->width() - 10));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(markedText(control));
    } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
        label->setText(labelText(control));
    }
}

}  // namespace

void showAccessible(const Control& control, QWidget* widget) {
    // Qt would name a group inside another by the outer one's title.
    const bool group = qobject_cast<QGroupBox*>(widget) != nullptr;
    const QString name = control.accessibleName().isEmpty() && group ? labelText(control).trimmed()
                                                                     : control.accessibleName();
    // A screen reader is told of each change, so only a change is made.
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
    // Without a description of its own, the tooltip (or an unsent mark) says what it does.
    if (!control.description().isEmpty() &&
        widget->accessibleDescription() != control.description()) {
        widget->setAccessibleDescription(control.description());
    }
    // A box's scroll bars are heard as the box's.
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        showAccessible(control, box->verticalScrollBar());
        showAccessible(control, box->horizontalScrollBar());
    }
}

namespace {

void showState(const Control& control, QWidget* widget, Property property) {
    switch (property) {
        case Property::Caption:
            showCaption(control, widget);
            if (qobject_cast<QGroupBox*>(widget) != nullptr) {
                showAccessible(control, widget);
            }
            break;
        case Property::Visible:
            widget->setVisible(control.isVisible());
            break;
        case Property::Enabled:
            widget->setEnabled(control.isEnabled());
            break;
        case Property::ToolTip:
            if (widget->toolTip() != control.toolTip()) {
                widget->setToolTip(control.toolTip());
            }
            break;
        case Property::Accessible:
            showAccessible(control, widget);
            break;
        default:
            break;
    }
}

// A new widget shows with what it lies in, unless hidden; only one added to a widget already
// on screen is shown by itself.
void showAll(const Control& control, QWidget* widget) {
    if (!control.isVisible() || widget->parentWidget()->isVisible()) {
        showState(control, widget, Property::Visible);
    }
    for (Property property :
         {Property::Caption, Property::Enabled, Property::ToolTip, Property::Accessible}) {
        showState(control, widget, property);
    }
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

void showItems(const ComboList& list, QComboBox* box) {
    const QSignalBlocker blocker(box);
    if (itemsOf(box) != list.items()) {
        box->clear();
        box->addItems(list.items());
    }
    box->setPlaceholderText(list.placeholder());
    box->setCurrentIndex(list.listIndex());
}

}  // namespace

void watch(Control& control, QObject* view, std::function<void(Property)> show) {
    control.observe([alive = QPointer<QObject>(view), show = std::move(show)](Property property) {
        if (alive) {
            show(property);
        }
    });
}

void bindCaptionedWidget(Control& control, QWidget* widget) {
    showAll(control, widget);
    watch(control, widget,
          [&control, widget](Property property) { showState(control, widget, property); });
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QObject::connect(button, &QPushButton::clicked, button, [&control] { control.click(); });
    }
}

void bindComboList(ComboList& list, QComboBox* box) {
    showAll(list, box);
    showItems(list, box);
    watch(list, box, [&list, box](Property property) {
        if (property == Property::Items || property == Property::Value) {
            showItems(list, box);
        } else {
            showState(list, box, property);
        }
    });
    QObject::connect(box, &QComboBox::activated, box, [&list, box](int position) {
        list.setListIndex(position);
        showItems(list, box);
    });
}

void bindScrollBar(ScrollBar& bar, QScrollBar* widget) {
    widget->setRange(bar.minimum(), bar.maximum());
    widget->setSingleStep(bar.smallStep());
    widget->setPageStep(bar.largeStep());
    widget->setTracking(false);
    auto show = [&bar, widget] {
        const QSignalBlocker blocker(widget);
        widget->setValue(bar.value());
    };
    show();
    showAll(bar, widget);
    watch(bar, widget, [&bar, widget, show](Property property) {
        property == Property::Value ? show() : showState(bar, widget, property);
    });
    QObject::connect(widget, &QScrollBar::valueChanged, widget,
                     [&bar](int value) { bar.setValue(value); });
}

void bindTextBox(TextBox& box, QPlainTextEdit* widget) {
    auto line = std::make_shared<ShownLine>();
    widget->setPlainText(displayedText(box.text(), *line));
    showAll(box, widget);
    watch(box, widget, [&box, widget, line](Property property) {
        if (property == Property::TextAppended) {
            QTextCursor end(widget->document());
            end.movePosition(QTextCursor::End);
            end.insertText(displayedText(box.lastAppended(), *line));
            widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->maximum());
        } else if (property == Property::Text) {
            *line = ShownLine();
            widget->setPlainText(displayedText(box.text(), *line));
        } else {
            showState(box, widget, property);
        }
    });
}

void bindOptionButton(OptionGroup& group, int index, QRadioButton* button) {
    button->setAutoExclusive(false);
    auto show = [&group, index, button] {
        const QSignalBlocker blocker(button);
        button->setChecked(group.selected() == index);
    };
    show();
    bindCaptionedWidget(group.button(index), button);
    watch(group, button, [show](Property property) {
        if (property == Property::Value) {
            show();
        }
    });
    QObject::connect(button, &QRadioButton::clicked, button, [&group, index, show] {
        group.select(index);
        show();
    });
}

}  // namespace rotaline
