#pragma once

#include <QImage>
#include <QPainter>

// Our drawings are SVGs, drawn by the SVG image plugin when first shown: Qt's SVG module is
// loaded then, not before the window shows. A build without that module (the Windows one) has
// them as PNGs rendered from the same SVGs at build time, drawn smoothly scaled.
#ifdef ROTALINE_PNG_PICTURES
namespace rotaline {

inline constexpr char PictureSuffix[] = ".png";

class PictureRenderer {
public:
    explicit PictureRenderer(const QString& file) : image_(file) {}
    void render(QPainter* painter, const QRectF& bounds) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(bounds, image_);
    }

private:
    QImage image_;
};

}  // namespace rotaline
#else
#include <QImageReader>

namespace rotaline {

inline constexpr char PictureSuffix[] = ".svg";

// Drawn at the size it is shown, in the device's own pixels, and again when that changes.
class PictureRenderer {
public:
    explicit PictureRenderer(const QString& file) : file_(file) {}
    void render(QPainter* painter, const QRectF& bounds) {
        const qreal ratio = painter->device()->devicePixelRatioF();
        const QSize size = (bounds.size() * ratio).toSize();
        if (drawn_.size() != size) {
            QImageReader reader(file_, "svg");
            reader.setScaledSize(size);
            drawn_ = reader.read();
        }
        drawn_.setDevicePixelRatio(ratio);
        painter->drawImage(bounds, drawn_);
    }

private:
    QString file_;
    QImage drawn_;
};

}  // namespace rotaline
#endif
