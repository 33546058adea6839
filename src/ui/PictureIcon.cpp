#include "ui/PictureIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <memory>

#include "ui/PictureWidget.h"

namespace rotaline {

namespace {

class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(const QString& picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        if (!renderer_) {
            renderer_ = std::make_shared<PictureRenderer>(pictureFile(picture_));
        }
        painter->setRenderHint(QPainter::Antialiasing);
        renderer_->render(painter, rect);
    }

    // Qt's own pixmap() paints on a pixmap it never cleared, so what the picture leaves
    // transparent would show whatever memory held before.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PictureIconEngine(*this); }
    QString key() const override { return QStringLiteral("rotaline-picture"); }

private:
    QString picture_;
    std::shared_ptr<PictureRenderer> renderer_;
};

}  // namespace

QIcon pictureIcon(const QString& picture) {
    return QIcon(new PictureIconEngine(picture));
}

}  // namespace rotaline
