#include "ui/UnsentMark.h"

#include <QGroupBox>
#include <QHash>
#include <QHelpEvent>
#include <QMap>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "ui/WidgetBinding.h"

namespace rotaline {

namespace {

constexpr int BadgeSize = 12;
constexpr int CaptionGap = 2;

struct Mark {
    QString words;
    bool advice = false;
};

// Dark on light windows, light on dark ones, so that it stands out from the window and carries
// the window's colour as text: red for what the controller lacks, blue for advice.
QColor markColour(const QPalette& palette, bool advice) {
    const bool light = palette.color(QPalette::Window).lightnessF() > 0.5;
    if (advice) {
        return light ? QColor(21, 101, 192) : QColor(130, 177, 255);
    }
    return light ? QColor(198, 40, 40) : QColor(255, 138, 128);
}

QString withHint(const QString& words, const QString& hint) {
    return hint.isEmpty() ? words : words + QLatin1Char('\n') + hint;
}

// Drawn over the whole group, to the mouse as if it were not there; hovered, the group and
// the marked controls' widgets show the marks' words.
class UnsentFrame : public QWidget {
public:
    explicit UnsentFrame(QGroupBox* group) : QWidget(group), group_(group) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(group->rect());
        group->installEventFilter(this);
        hide();
    }

    void follow(const QString& control, const QList<QWidget*>& shown) {
        for (QWidget* widget : shown) {
            shownBy_.insert(widget, control);
            widget->installEventFilter(this);
        }
    }

    void mark(const QString& control, const Mark& mark) {
        if (mark.words.isEmpty()) {
            marked_.remove(control);
        } else {
            marked_.insert(control, mark);
        }
        setVisible(!marked_.isEmpty());
        raise();
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        const QString words =
            watched == group_ ? allWords() : marked_.value(shownBy_.value(widget)).words;
        if (words.isEmpty()) {
            return false;
        }
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           withHint(words, widget->toolTip()), widget);
        return true;
    }

    // Along the group's own frame, leaving its caption clear as the frame does; the badge
    // sits on the bottom right corner, which no caption reaches in any language.
    void paintEvent(QPaintEvent*) override {
        QStyleOptionGroupBox option;
        option.initFrom(group_);
        option.text = group_->title();
        option.textAlignment = group_->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect frame =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, group_);
        const QRect caption = option.text.isEmpty()
                                  ? QRect()
                                  : style()
                                        ->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, group_)
                                        .adjusted(-CaptionGap, 0, CaptionGap, 0);
        const bool advice = std::all_of(marked_.cbegin(), marked_.cend(),
                                        [](const Mark& mark) { return mark.advice; });
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = markColour(palette(), advice);
        painter.setClipRegion(QRegion(rect()).subtracted(caption));
        painter.setPen(QPen(colour, 2, advice ? Qt::DashLine : Qt::SolidLine));
        painter.drawRect(QRectF(frame).adjusted(1, 1, -1, -1));
        const QRectF badge(frame.right() - BadgeSize + 1, frame.bottom() - BadgeSize + 1, BadgeSize,
                           BadgeSize);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(badge);
        QFont bold = font();
        bold.setBold(true);
        bold.setPixelSize(BadgeSize - 2);
        painter.setFont(bold);
        painter.setPen(palette().color(QPalette::Window));
        painter.drawText(badge, Qt::AlignCenter,
                         advice ? QStringLiteral("i") : QStringLiteral("!"));
    }

private:
    QString allWords() const {
        QStringList words;
        for (const Mark& mark : marked_) {
            words << mark.words;
        }
        words.removeDuplicates();
        return words.join(QLatin1Char('\n'));
    }

    QGroupBox* group_;
    QMap<QString, Mark> marked_;
    QHash<QWidget*, QString> shownBy_;
};

// The group box a widget lies in: a parent, or a group it is placed over.
QGroupBox* groupAround(QWidget* widget) {
    for (QWidget* parent = widget->parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (auto* group = qobject_cast<QGroupBox*>(parent)) {
            return group;
        }
    }
    for (QGroupBox* sibling :
         widget->parentWidget()->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (sibling->geometry().contains(widget->geometry())) {
            return sibling;
        }
    }
    return nullptr;
}

UnsentFrame* frameOn(QGroupBox* group) {
    for (QObject* child : group->children()) {
        if (auto* frame = dynamic_cast<UnsentFrame*>(child)) {
            return frame;
        }
    }
    return new UnsentFrame(group);
}

}  // namespace

// The group's frame is made when a mark first comes.
void bindUnsentMark(Control& control, const QList<QWidget*>& shown) {
    QGroupBox* group = shown.isEmpty() ? nullptr : groupAround(shown.first());
    if (group == nullptr) {
        return;
    }
    auto frame = std::make_shared<QPointer<UnsentFrame>>();
    watch(control, group, [&control, shown, group, frame](Property property) {
        if (property != Property::UnsentMark) {
            return;
        }
        const QString& mark = control.unsentMark();
        for (QWidget* widget : shown) {
            widget->setAccessibleDescription(mark.isEmpty() ? QString()
                                                            : withHint(mark, widget->toolTip()));
        }
        if (frame->isNull() && !mark.isEmpty()) {
            *frame = frameOn(group);
            (*frame)->follow(control.name(), shown);
        }
        if (!frame->isNull()) {
            (*frame)->mark(control.name(), {mark, control.markIsAdvice()});
        }
    });
}

}  // namespace rotaline
