#include "ui/TabOrder.h"

#include <QGroupBox>
#include <algorithm>
#include <climits>
#include <tuple>

namespace rotaline {

namespace {

struct PlacedStop {
    TabStop widgets;
    QRect area;
    QRect block;
    int row = 0;
};

QRect areaOf(const TabStop& widgets, const QWidget* window) {
    QRect area;
    for (const QWidget* widget : widgets) {
        area |= QRect(widget->mapTo(window, QPoint()), widget->size());
    }
    return area;
}

// The largest group of the window drawn over the area's centre, else the area itself.
QRect blockOf(const QRect& area, const QWidget* window) {
    QRect block = area;
    qint64 largest = 0;
    for (const QGroupBox* group : window->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        const QRect frame = group->geometry();
        const qint64 size = qint64(frame.width()) * frame.height();
        if (frame.contains(area.center()) && size > largest) {
            block = frame;
            largest = size;
        }
    }
    return block;
}

// A block starting above the middle of a row's first (highest) block belongs to that row.
void numberRows(QList<PlacedStop>& stops) {
    std::stable_sort(stops.begin(), stops.end(), [](const PlacedStop& a, const PlacedStop& b) {
        return a.block.top() < b.block.top();
    });
    int row = -1;
    int rowMiddle = INT_MIN;
    for (PlacedStop& stop : stops) {
        if (stop.block.top() >= rowMiddle) {
            ++row;
            rowMiddle = stop.block.top() + stop.block.height() / 2;
        }
        stop.row = row;
    }
}

}  // namespace

void setReadingTabOrder(const QWidget* window, const QList<TabStop>& stops) {
    QList<PlacedStop> placed;
    for (const TabStop& stop : stops) {
        const QRect area = areaOf(stop, window);
        placed.append({stop, area, blockOf(area, window)});
    }
    numberRows(placed);
    auto readingKey = [](const PlacedStop& stop) {
        return std::make_tuple(stop.row, stop.block.left(), stop.block.top(), stop.area.left(),
                               stop.area.top());
    };
    std::stable_sort(placed.begin(), placed.end(), [&](const PlacedStop& a, const PlacedStop& b) {
        return readingKey(a) < readingKey(b);
    });
    QWidget* previous = nullptr;
    for (const PlacedStop& stop : placed) {
        for (QWidget* widget : stop.widgets) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
}

}  // namespace rotaline
