#include "ui/PictureWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace rotaline {

QString pictureFile(const QString& picture) {
    return QStringLiteral(":/pictures/") + picture + QLatin1String(PictureSuffix);
}

PictureWidget::PictureWidget(const QString& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (!renderer_) {
        renderer_ = std::make_unique<PictureRenderer>(pictureFile(picture_));
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, rect());
}

}  // namespace rotaline
