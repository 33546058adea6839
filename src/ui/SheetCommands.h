#pragma once

#include <QString>

#include "window/record/SetupSheet.h"

class QWidget;

namespace rotaline {

class Dialogs;
class MainForm;

// File > History, Print setup sheet and Export setup sheet as PDF, for the settings the window
// shows; boxes and file dialogs through `dialogs`, over `parent`.
class SheetCommands {
public:
    SheetCommands(MainForm& form, Dialogs& dialogs, QWidget* parent, QString journalPath);

    void showHistory();
    void print();
    void exportPdf();
    // The settings file shown, named on the sheet, and whether the settings changed since.
    void setFile(const QString& path, bool changed) {
        file_ = path;
        fileChanged_ = changed;
    }
    // The sheet of the settings shown, in the language shown; nothing when they cannot be
    // described.
    std::optional<SetupSheet> sheet() const;

private:
    void cannotDescribe();
    bool mayReplace(const QString& path);

    MainForm& form_;
    Dialogs& dialogs_;
    QWidget* parent_;
    QString journalPath_;
    QString file_;
    bool fileChanged_ = false;
};

}  // namespace rotaline
