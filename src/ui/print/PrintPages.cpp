// Printing is a module of its own, loaded when the user first prints: Qt's print support comes
// with it, not with every start of the window.
#include "ui/print/PrintPages.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

extern "C" Q_DECL_EXPORT bool rotalinePrintPages(
    QWidget* parent, const QString& title, const QPageSize& size,
    const std::function<void(QPagedPaintDevice& device)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(size);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    paint(printer);
    return true;
}

// The type the program calls it by.
static_assert(std::is_same_v<decltype(&rotalinePrintPages), rotaline::PrintPages>);
