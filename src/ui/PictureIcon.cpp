#include "ui/PictureIcon.h"

#include <QIconEngine>
#include <QPainter>
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
