#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace rotaline {

// One of our drawings, stretched to the widget and sharp at any pixel ratio; a click on it is
// reported.
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
    QSvgRenderer renderer_;
};

}  // namespace rotaline
