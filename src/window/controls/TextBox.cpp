#include "window/controls/TextBox.h"

namespace rotaline {

TextBox::TextBox(QString name, QString parent)
    : Control(std::move(name), ControlKind::TextBox, std::move(parent)) {}

void TextBox::setText(const QString& text) {
    text_ = text;
    lastAppended_.clear();
    notify(Property::Text);
}

void TextBox::append(const QString& piece) {
    if (piece.isEmpty()) {
        return;
    }
    text_ += piece;
    if (text_.size() > Capacity) {
        qsizetype cut = text_.size() - Capacity / 2;
        const qsizetype lineEnd = text_.indexOf('\n', cut);
        cut = lineEnd >= 0 && lineEnd - cut < 256 ? lineEnd + 1 : cut;
        text_.remove(0, cut);
        lastAppended_.clear();
        notify(Property::Text);
        return;
    }
    lastAppended_ = piece;
    notify(Property::TextAppended);
}

void TextBox::copyStateOf(const Control& other) {
    Control::copyStateOf(other);
    setText(static_cast<const TextBox&>(other).text_);
}

}  // namespace rotaline
