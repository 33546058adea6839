#pragma once

#include <QString>
#include <functional>

class QPageSize;
class QPagedPaintDevice;
class QWidget;

namespace rotaline {

// What the print module offers, by the name it exports: asks over `parent` for a printer and
// its settings, then lets `paint` draw on it. False when the user cancels.
using PrintPages = bool (*)(QWidget* parent, const QString& title, const QPageSize& size,
                            const std::function<void(QPagedPaintDevice& device)>& paint);
inline constexpr const char* PrintPagesSymbol = "rotalinePrintPages";

}  // namespace rotaline
