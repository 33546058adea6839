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
    lastAppended_ = piece;
    notify(Property::TextAppended);
}

}  // namespace rotaline
