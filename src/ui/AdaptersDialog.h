#pragma once

#include <QDialog>
#include <functional>

#include "model/Languages.h"
#include "platform/AdapterDiagnosis.h"
#include "platform/PortResolver.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace rotaline {

// "Serial adapters": the serial devices present and the devices assigned by hand, what
// identifies each to a person, and the COM number each is given, with the numbers other
// devices hold named in each list. Says why nothing is there when nothing is, and takes a
// device path typed by hand.
class AdaptersDialog : public QDialog {
    Q_OBJECT
public:
    using Survey = std::function<AdapterSurvey()>;

    AdaptersDialog(PortResolver& resolver, Survey survey, const Language& language,
                   QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QLabel* emptyState() const { return empty_; }
    // Why the path typed last was refused; hidden when it was not.
    QLabel* refusal() const { return refusal_; }
    QLineEdit* pathField() const { return path_; }
    // Gives the device of `row` COM `portNumber` (0: none), as its list in the table does.
    void assignRow(int row, int portNumber);
    // Gives the typed device path COM `portNumber`, as the row under the table does.
    void assignPath(const QString& path, int portNumber);

public slots:
    // Reads the devices present again; the window calls it when the devices change.
    void refresh();

signals:
    // `portNumber` 0: none; `previousNumber` the device's number before, 0: none.
    void assigned(int portNumber, int previousNumber);

private:
    QWidget* buildPathRow();
    void fill();
    QComboBox* numbersFor(const QString& stableName);
    void keepColumnsWide();
    bool mayGive(int portNumber, const QString& device);
    QString refusalOf(const QString& device, int portNumber) const;
    QTableWidgetItem* stateOf(const AdapterFinding& finding) const;

    PortResolver& resolver_;
    Survey survey_;
    const Language* language_;
    QTableWidget* table_;
    QLabel* empty_;
    QLabel* refusal_;
    QLineEdit* path_ = nullptr;
    QComboBox* pathNumber_ = nullptr;
    QList<AdapterFinding> present_;
    QStringList surveyed_;
    bool filled_ = false;
    QList<AdapterFinding> shown_;
};

}  // namespace rotaline
