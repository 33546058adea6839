#pragma once

#include <QWidget>
#include <memory>

#include "ui/PictureRenderer.h"

namespace rotaline {

// The resource file of one of our drawings.
QString pictureFile(const QString& picture);

// One of our drawings, stretched to the widget and sharp at any pixel ratio; a click on it is
// reported. The drawing is read when it is first shown.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(const QString& picture, QWidget* parent);
    const QString& picture() const { return picture_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString picture_;
    std::unique_ptr<PictureRenderer> renderer_;
};

}  // namespace rotaline
