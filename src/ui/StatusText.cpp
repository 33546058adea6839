#include "ui/StatusText.h"

#include <QAccessible>

namespace rotaline {

StatusText::StatusText(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(1);
    setTextFormat(Qt::PlainText);
}

void StatusText::setWholeText(const QString& text) {
    if (text == whole_) {
        return;
    }
    whole_ = text;
    setToolTip(text);
    setAccessibleName(text);
    if (isVisible()) {
        fit();
    } else {  // fitted when shown, at its size then
        unfitted_ = true;
    }
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StatusText::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void StatusText::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    if (unfitted_) {
        fit();
    }
}

void StatusText::fit() {
    unfitted_ = false;
    setText(fontMetrics().elidedText(whole_, Qt::ElideRight, contentsRect().width()));
}

}  // namespace rotaline
