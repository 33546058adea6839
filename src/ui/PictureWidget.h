#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace rotaline {

// One of our drawings, stretched to the widget and sharp at any pixel ratio.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(const QString& picture, QWidget* parent);
    const QString& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString picture_;
    QSvgRenderer renderer_;
};

}  // namespace rotaline
