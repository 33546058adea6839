#pragma once

#include <QScrollBar>

namespace rotaline {

// A horizontal scroll bar that shows a frame while it has the keyboard focus, which the styles
// do not draw for scroll bars. Right and Up raise the value, Left and Down lower it, and
// Page Up and Page Down move it by the large step.
class FocusScrollBar : public QScrollBar {
public:
    explicit FocusScrollBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace rotaline
