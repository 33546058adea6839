#include "ui/PortList.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/Printable.h"
#include "platform/SerialDevices.h"

namespace rotaline {

namespace {

// "COM3" as usual, its device right of it in the open list; both grey when it cannot be used.
class PortEntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shown(option);
        initStyleOption(&shown, index);
        const bool usable = index.data(PortList::PresentRole).toBool();
        if (!usable) {
            shown.palette.setColor(QPalette::Text,
                                   option.palette.color(QPalette::Disabled, QPalette::Text));
        }
        QStyledItemDelegate::paint(painter, shown, index);
        const QString device = index.data(PortList::DeviceRole).toString();
        painter->save();
        painter->setPen(option.palette.color(usable ? QPalette::Active : QPalette::Disabled,
                                             (option.state & QStyle::State_Selected) != 0
                                                 ? QPalette::HighlightedText
                                                 : QPalette::Text));
        painter->drawText(
            option.rect.adjusted(option.fontMetrics.horizontalAdvance("COM16  "), 0, -4, 0),
            Qt::AlignVCenter | Qt::AlignLeft, device);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(option.fontMetrics.horizontalAdvance(
                          "COM16  " + index.data(PortList::DeviceRole).toString()) +
                      12);
        return size;
    }
};

}  // namespace

// Connected before the list is bound to the form, so that the choice is known when acted on.
PortList::PortList(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int position) {
        if (chooser_) {
            chooser_(position + 1);
        }
    });
}

void PortList::setDescriber(Describer describer) {
    describer_ = std::move(describer);
}

void PortList::setChooser(Chooser chooser) {
    chooser_ = std::move(chooser);
}

void PortList::describeEntries() {
    int widest = width();
    for (int i = 0; describer_ && i < count(); ++i) {
        const PortEntry entry = describer_(i + 1);
        const QString device = entry.device.isEmpty() ? QStringLiteral("—")
                                                      : printable(readableDeviceName(entry.device));
        setItemData(i, entry.toolTip, Qt::ToolTipRole);
        setItemData(i, device, DeviceRole);
        setItemData(i, entry.present, PresentRole);
        widest = std::max(widest, fontMetrics().horizontalAdvance("COM16  " + device) + 24);
    }
    view()->setMinimumWidth(widest);
}

// The open list and its look are made the first time it opens: a closed list needs neither.
void PortList::showPopup() {
    if (dynamic_cast<PortEntryDelegate*>(view()->itemDelegate()) == nullptr) {
        view()->setItemDelegate(new PortEntryDelegate(view()));
    }
    describeEntries();
    QComboBox::showPopup();
}

}  // namespace rotaline
