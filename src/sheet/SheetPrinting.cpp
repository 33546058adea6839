#include "sheet/SheetPrinting.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "platform/RegularFiles.h"

namespace rotaline {

namespace {

constexpr double MarginMm = 15;
constexpr int BodyPoints = 10;
constexpr int TitlePoints = 16;
constexpr double NotesShare = 0.2;  // of the page's height, at least

// Lays out top to bottom over the printable rectangle.
class Pen {
public:
    Pen(QPainter& painter, const QRect& area) : painter_(painter), area_(area), y_(area.top()) {}

    void font(int points, bool bold) {
        QFont font = painter_.font();
        font.setPointSize(points);
        font.setBold(bold);
        // Spacing keeps ligatures out, so the PDF's text reads "fi" and "ff" as typed.
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
        painter_.setFont(font);
    }
    int lineHeight() const {
        return QFontMetrics(painter_.font(), painter_.device()).lineSpacing();
    }
    // One line with its columns starting at the given shares of the width; a text too long for
    // its column is shortened in the middle.
    void line(const QStringList& texts, const std::vector<double>& starts, int height) {
        const int columns = static_cast<int>(std::min<size_t>(texts.size(), starts.size()));
        for (int i = 0; i < columns; ++i) {
            const int left = area_.left() + static_cast<int>(starts[i] * area_.width());
            const int right = i + 1 < columns
                                  ? area_.left() + static_cast<int>(starts[i + 1] * area_.width())
                                  : area_.right();
            painter_.drawText(
                QRect(left, y_, right - left, height),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                painter_.fontMetrics().elidedText(texts[i], Qt::ElideMiddle, right - left));
        }
        y_ += height;
    }
    void rule() {
        painter_.drawLine(area_.left(), y_, area_.right(), y_);
        y_ += lineHeight() / 4;
    }
    void skip(int height) { y_ += height; }
    int left() const { return area_.bottom() - y_; }
    int y() const { return y_; }
    const QRect& area() const { return area_; }

private:
    QPainter& painter_;
    QRect area_;
    int y_;
};

const std::vector<double> Columns{0.0, 0.4, 0.62, 0.82};

QStringList rowTexts(const SheetRow& row, const SetupSheet& sheet) {
    return {row.caption, row.value, row.factory, row.unsent ? sheet.unsentMark : QString()};
}

}  // namespace

QPageSize sheetPageSize() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

void paintSheet(QPainter& painter, QPagedPaintDevice& device, const SetupSheet& sheet) {
    // The painter starts at the printable area's corner.
    const QRect page(QPoint(0, 0),
                     device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    Pen pen(painter, page);
    pen.font(TitlePoints, true);
    pen.line({sheet.title}, {0.0}, pen.lineHeight() * 3 / 2);
    pen.font(BodyPoints, false);
    for (const QString& fact : sheet.facts) {
        pen.line({fact}, {0.0}, pen.lineHeight());
    }
    pen.skip(pen.lineHeight());
    // Rows shrink to leave the notes their share of the page.
    const int rows = static_cast<int>(sheet.rows.size()) + 1;
    const int rowHeight = std::min(
        pen.lineHeight() * 3 / 2,
        std::max(1, static_cast<int>((pen.left() - NotesShare * page.height()) / (rows + 3))));
    pen.font(BodyPoints, true);
    pen.line(sheet.columns, Columns, rowHeight);
    pen.rule();
    pen.font(BodyPoints, false);
    for (const SheetRow& row : sheet.rows) {
        pen.line(rowTexts(row, sheet), Columns, rowHeight);
    }
    pen.skip(pen.lineHeight());
    pen.font(BodyPoints, true);
    pen.line({sheet.notes}, {0.0}, pen.lineHeight());
    painter.drawRect(QRect(page.left(), pen.y(), page.width(), std::max(0, pen.left())));
}

QString sheetPdfPath(const QString& path) {
    return path.isEmpty() || !QFileInfo(path).suffix().isEmpty() ? path
                                                                 : path + QStringLiteral(".pdf");
}

bool writeSheetPdf(const SetupSheet& sheet, const QString& path, QString* error,
                   const QPageSize& size) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(size);
        writer.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                              QPageLayout::Millimeter);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Rotaline"));
        QPainter painter(&writer);
        paintSheet(painter, writer, sheet);
    }
    return replaceFileContents(path, pdf.data(), error);
}

}  // namespace rotaline
