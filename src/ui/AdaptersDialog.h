#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

#include "platform/PortResolver.h"

class QTableWidget;

namespace rotaline {

// "Serial adapters": the serial devices present, what identifies each to a person, and the COM
// number each is given. The list follows adapters being plugged in or out.
class AdaptersDialog : public QDialog {
    Q_OBJECT
public:
    using Devices = std::function<QList<SerialDevice>()>;

    AdaptersDialog(PortResolver& resolver, Devices devices, bool chinese,
                   QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // Gives the device of `row` COM `portNumber` (0: none), as its list in the table does.
    void assignRow(int row, int portNumber);

signals:
    void assigned(int portNumber);

private:
    void refresh();
    void fill();

    PortResolver& resolver_;
    Devices devices_;
    bool chinese_;
    QTableWidget* table_;
    QTimer timer_;
    QList<SerialDevice> shown_;
};

}  // namespace rotaline
