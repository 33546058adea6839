#pragma once

#include <QPageSize>
#include <QString>

#include "window/record/SetupSheet.h"

class QPainter;
class QPagedPaintDevice;

namespace rotaline {

// A4, or Letter where the system's locale measures in inches.
QPageSize sheetPageSize();

// Draws the sheet on one page of `device`, which `painter` paints on.
void paintSheet(QPainter& painter, QPagedPaintDevice& device, const SetupSheet& sheet);

// Where a sheet asked for at `path` is written: a name without an extension is a PDF's.
QString sheetPdfPath(const QString& path);

// The sheet as a one-page PDF with its fonts embedded; false with the reason in `error`.
bool writeSheetPdf(const SetupSheet& sheet, const QString& path, QString* error,
                   const QPageSize& size = sheetPageSize());

}  // namespace rotaline
