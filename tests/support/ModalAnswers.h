#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace rotaline::testing {

// The user at every modal dialog, every `interval` ms: a message box is answered Yes where it
// asks, else OK, and its text noted in `boxes`; a file dialog is given `file`.
struct ModalAnswers : QTimer {
    QStringList boxes;

    explicit ModalAnswers(int interval, const QString& file = {}) {
        callOnTimeout([this, file] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes << box->text();
                box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok)
                    ->click();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(file);
                static_cast<QDialog*>(files)->accept();
            }
        });
        start(interval);
    }
};

}  // namespace rotaline::testing
