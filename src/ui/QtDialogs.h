#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/Dialogs.h"

namespace rotaline {

// Message boxes and file dialogs titled "Rotaline", over the given window.
class QtDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const QString& text, Icon icon, Buttons buttons) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter) override;

    // "ESC Files(*.esc)|*.esc" as Qt writes it: "ESC Files(*.esc) (*.esc)".
    static QString qtFilter(const QString& filter);

private:
    QPointer<QWidget> parent_;
};

}  // namespace rotaline
