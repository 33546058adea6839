#include "ui/SheetCommands.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QLibrary>
#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/Dialogs.h"
#include "platform/Printable.h"
#include "sheet/SheetPrinting.h"
#include "ui/HistoryDialog.h"
#include "ui/print/PrintPages.h"
#include "window/form/MainForm.h"
#include "window/texts/SystemReasons.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"SheetCommands"};
constexpr const char* PdfFilter = "PDF files(*.pdf)|*.pdf";
constexpr const char* NotDescribed =
    QT_TRANSLATE_NOOP("SheetCommands", "The settings shown cannot be put on a sheet.");
constexpr const char* ExportFailed =
    QT_TRANSLATE_NOOP("SheetCommands", "The setup sheet could not be saved to %1:\r\n%2");
constexpr const char* Exported = QT_TRANSLATE_NOOP("SheetCommands", "Setup sheet saved to %1");
constexpr const char* PrintingMissing =
    QT_TRANSLATE_NOOP("SheetCommands", "Printing is not available:\r\n%1");

// Qt's own file dialog's question, in Qt's own translations.
constexpr const char* QtFileDialog = "QFileDialog";
constexpr const char* ReplaceQuestion = "%1 already exists.\nDo you want to replace it?";

QString printModulePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/" ROTALINE_PRINT_MODULE);
}

}  // namespace

SheetCommands::SheetCommands(MainForm& form, Dialogs& dialogs, QWidget* parent, QString journalPath)
    : form_(form), dialogs_(dialogs), parent_(parent), journalPath_(std::move(journalPath)) {}

void SheetCommands::showHistory() {
    LogTrouble trouble;
    HistoryDialog dialog(readJournal(journalPath_, &trouble), form_, dialogs_, parent_);
    dialog.showTrouble(trouble);
    dialog.exec();
}

std::optional<SetupSheet> SheetCommands::sheet() const {
    const Language& language = *form_.flags().language;
    const std::optional<DescribedBlock> described = describeBlock(form_.block(), language);
    if (!described) {
        return std::nullopt;
    }
    return setupSheet(
        *described, file_, fileChanged_, QDate::currentDate().toString(Qt::ISODate),
        [this](int slot) { return form_.isUnsent(slot); }, form_.journalled(), language);
}

void SheetCommands::cannotDescribe() {
    dialogs_.message(catalogue(*form_.flags().language, NotDescribed), Dialogs::Icon::None,
                     Dialogs::Buttons::Ok);
}

void SheetCommands::print() {
    const std::optional<SetupSheet> shown = sheet();
    if (!shown) {
        cannotDescribe();
        return;
    }
    QLibrary module(printModulePath());
    const auto printPages = reinterpret_cast<PrintPages>(module.resolve(PrintPagesSymbol));
    if (printPages == nullptr) {
        dialogs_.message(
            filled(catalogue(*form_.flags().language, PrintingMissing), {module.errorString()}),
            Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok);
        return;
    }
    printPages(parent_, shown->title, sheetPageSize(), [&shown](QPagedPaintDevice& device) {
        QPainter painter(&device);
        paintSheet(painter, device, *shown);
    });
}

void SheetCommands::exportPdf() {
    const std::optional<SetupSheet> shown = sheet();
    if (!shown) {
        cannotDescribe();
        return;
    }
    const QString chosen = dialogs_.saveFileName(QLatin1String(PdfFilter), QString());
    const QString path = sheetPdfPath(chosen);
    if (path.isEmpty() || (path != chosen && !mayReplace(path))) {
        return;
    }
    const Language& language = *form_.flags().language;
    if (QString error; !writeSheetPdf(*shown, path, &error)) {
        dialogs_.message(
            filled(catalogue(language, ExportFailed), {shownPath(path), reasonIn(error, language)}),
            Dialogs::Icon::None, Dialogs::Buttons::Ok);
        return;
    }
    form_.host().showStatus([path](const Language& shownIn) {
        return filled(catalogue(shownIn, Exported), {shownPath(path)});
    });
}

// The file dialog asked about the name as typed; a file of the name with ".pdf" is asked
// about here, in the dialog's own words.
bool SheetCommands::mayReplace(const QString& path) {
    return !QFileInfo(path).isFile() ||
           dialogs_.message(filled(QCoreApplication::translate(QtFileDialog, ReplaceQuestion),
                                   {QFileInfo(path).fileName()}),
                            Dialogs::Icon::Exclamation,
                            Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

}  // namespace rotaline
