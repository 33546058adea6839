#include "ui/PictureWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace rotaline {

PictureWidget::PictureWidget(const QString& picture, QWidget* parent)
    : QWidget(parent), picture_(picture), renderer_(QStringLiteral(":/pictures/") + picture) {}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, rect());
}

}  // namespace rotaline
