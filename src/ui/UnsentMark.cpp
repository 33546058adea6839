#include "ui/UnsentMark.h"

#include <QGroupBox>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "ui/WidgetBinding.h"

namespace rotaline {

namespace {

constexpr int BadgeSize = 12;
constexpr int CaptionGap = 2;

// Drawn over the whole group, to the mouse as if it were not there.
class UnsentFrame : public QWidget {
public:
    explicit UnsentFrame(QGroupBox* group) : QWidget(group), group_(group) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(group->rect());
        hide();
    }

    void mark(const QString& control, bool unsent) {
        if (unsent) {
            marked_.insert(control);
        } else {
            marked_.remove(control);
        }
        setVisible(!marked_.isEmpty());
        raise();
    }

protected:
    // Along the group's own frame, leaving its caption clear as the frame does; the badge
    // sits on the top right corner, or the bottom right one where the caption reaches it.
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
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor colour = unsentColour(palette());
        painter.setClipRegion(QRegion(rect()).subtracted(caption));
        painter.setPen(QPen(colour, 2));
        painter.drawRect(QRectF(frame).adjusted(1, 1, -1, -1));
        QRectF badge(frame.right() - BadgeSize + 1, frame.top(), BadgeSize, BadgeSize);
        if (badge.intersects(caption)) {
            badge.moveBottom(frame.bottom());
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(badge);
        QFont bold = font();
        bold.setBold(true);
        bold.setPixelSize(BadgeSize - 2);
        painter.setFont(bold);
        painter.setPen(palette().color(QPalette::Window));
        painter.drawText(badge, Qt::AlignCenter, QStringLiteral("!"));
    }

private:
    QGroupBox* group_;
    QSet<QString> marked_;
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

QColor unsentColour(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() > 0.5 ? QColor(198, 40, 40)
                                                              : QColor(255, 138, 128);
}

void bindUnsentMark(Control& control, const QList<QWidget*>& shown) {
    QGroupBox* group = shown.isEmpty() ? nullptr : groupAround(shown.first());
    if (group == nullptr) {
        return;
    }
    UnsentFrame* frame = frameOn(group);
    watch(control, frame, [&control, shown, frame](Property property) {
        if (property == Property::UnsentMark) {
            for (QWidget* widget : shown) {
                const QString& mark = control.unsentMark();
                widget->setAccessibleDescription(
                    mark.isEmpty() ? QString() : mark + QLatin1Char('\n') + widget->toolTip());
            }
            frame->mark(control.name(), !control.unsentMark().isEmpty());
        }
    });
}

}  // namespace rotaline
