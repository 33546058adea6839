#pragma once

#include "window/controls/Control.h"

namespace rotaline {

// A multi-line text. Appending tells observers only the appended piece, so a view can add it
// without laying out the whole text again. Past its capacity the oldest half is dropped, so a
// flood of received bytes cannot use up memory.
class TextBox : public Control {
public:
    static constexpr qsizetype Capacity = qsizetype(1) << 20;

    TextBox(QString name, QString parent);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    void append(const QString& piece);

    void copyStateOf(const Control& other) override;
    const QString& lastAppended() const { return lastAppended_; }

private:
    QString text_;
    QString lastAppended_;
};

}  // namespace rotaline
