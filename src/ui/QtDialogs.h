#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

namespace rotaline {

// Message boxes and file dialogs titled "Rotaline", over the given window. With a settings
// store, the file dialogs start in the folder of the last file chosen. The file dialogs are
// Qt's own, so that they speak the interface's language, sizes and dates included. Each ends
// the gesture it interrupts, so that one click is one step whatever boxes it brings.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(SettingsStore* store = nullptr);

    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const QString& text, Icon icon, Buttons buttons) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, const QString& current) override;

    // "ESC Files|*.esc" as Qt writes it, "ESC Files (*.esc)", each filter once, then all files.
    static QString qtFilter(const QString& filter);

private:
    static void keepTitleWhole(QMessageBox& box);
    QString chooseFile(QFileDialog::AcceptMode mode, const QString& filter,
                       const QString& current = QString());
    QString startFolder() const;
    QString remember(const QString& chosen);

    SettingsStore* store_;
    QPointer<QWidget> parent_;
};

}  // namespace rotaline
