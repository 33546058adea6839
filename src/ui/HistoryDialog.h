#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "files/SendJournal.h"
#include "window/record/BlockDescription.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace rotaline {

class Dialogs;
class MainForm;

// "History": what each controller was left with, newest first. The record selected is shown
// as --describe shows a file, compared with the window, loaded into it, or saved as a file.
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    HistoryDialog(std::vector<JournalRecord> records, MainForm& form, Dialogs& dialogs,
                  QWidget* parent = nullptr);

    // Says above the list what kept the journal from being read whole.
    void showTrouble(const LogTrouble& trouble);

    QTreeWidget* list() const { return list_; }
    QLabel* trouble() const { return trouble_; }
    QPlainTextEdit* details() const { return details_; }
    void compareWithWindow();
    void loadIntoWindow();
    void saveAsFile();

private:
    void showSelected();
    // The selected record, or nothing.
    const JournalRecord* selected() const;

    std::vector<JournalRecord> records_;
    std::vector<std::optional<DescribedBlock>> described_;
    MainForm& form_;
    Dialogs& dialogs_;
    const Language* language_;
    QLabel* trouble_;
    QTreeWidget* list_;
    QPlainTextEdit* details_;
    QList<QPushButton*> actions_;
};

}  // namespace rotaline
