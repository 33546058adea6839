#pragma once

// Our drawings are SVGs, drawn by Qt's SVG module. A build without that module (the Windows
// one) has them as PNGs rendered from the same SVGs at build time, drawn smoothly scaled.
#ifdef ROTALINE_PNG_PICTURES
#include <QImage>
#include <QPainter>

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
#include <QSvgRenderer>

namespace rotaline {

inline constexpr char PictureSuffix[] = ".svg";
using PictureRenderer = QSvgRenderer;

}  // namespace rotaline
#endif
