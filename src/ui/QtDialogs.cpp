#include "ui/QtDialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QMessageBox>
#include <QTreeView>

#include "platform/FileDialogFolder.h"
#include "platform/Printable.h"
#include "ui/GestureEnd.h"
#include "version.h"

namespace rotaline {

QtDialogs::QtDialogs(SettingsStore* store) : store_(store) {
    followGestures();
}

Dialogs::Answer QtDialogs::message(const QString& text, Icon icon, Buttons buttons) {
    QMessageBox box(
        icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
        QLatin1String(ApplicationTitle), QString(text).replace("\r\n", "\n"),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    keepTitleWhole(box);
    endGesture();
    const int pressed = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

// A short message makes a narrow box, and the window manager shortens its title to "...":
// the box keeps room for the title beside the title bar's usual three buttons.
void QtDialogs::keepTitleWhole(QMessageBox& box) {
    constexpr int TitleBarButtons = 3 * 32 + 48;
    const int width =
        box.fontMetrics().horizontalAdvance(box.windowTitle()) * 5 / 4 + TitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

namespace {

// Texts Qt's own file dialog says, in Qt's own translations: not ours to translate, so the
// context is passed as a name the catalogue tools do not collect.
QString fileDialogText(const char* text) {
    static constexpr const char* QtContext = "QFileDialog";
    return QCoreApplication::translate(QtContext, text);
}

enum Column { NameColumn, SizeColumn, TypeColumn, DateColumn };

// Sizes and dates as the interface's language writes them; the dialog's own model writes them
// in the system's.
class LocalFiles : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files != nullptr) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == SizeColumn && !files->isDir(source)) {
                return QLocale().formattedDataSize(files->size(source));
            }
            if (index.column() == DateColumn) {
                return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// Replacing a file asks first, in Qt's own words, unless it is the file the window shows.
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& folder, const QString& filter, QString current)
        : QFileDialog(parent, QString(), folder, filter), current_(std::move(current)) {}

    void accept() override {
        const QStringList chosen = selectedFiles();
        const QFileInfo file(chosen.isEmpty() ? QString() : chosen.constFirst());
        if (acceptMode() == AcceptSave && file.isFile() &&
            file.absoluteFilePath() != QFileInfo(current_).absoluteFilePath() &&
            QMessageBox::warning(
                this, windowTitle(),
                filled(fileDialogText("%1 already exists.\nDo you want to replace it?"),
                       {file.fileName()}),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        QFileDialog::accept();
    }

private:
    QString current_;
};

// Every column as wide as its widest entry; the name takes the rest.
void fitColumns(QFileDialog& dialog) {
    constexpr QSize Roomy(760, 460);
    dialog.resize(dialog.size().expandedTo(Roomy));
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    }
}

}  // namespace

QString QtDialogs::openFileName(const QString& filter) {
    return chooseFile(QFileDialog::AcceptOpen, filter);
}

QString QtDialogs::saveFileName(const QString& filter, const QString& current) {
    return chooseFile(QFileDialog::AcceptSave, filter, current);
}

QString QtDialogs::chooseFile(QFileDialog::AcceptMode mode, const QString& filter,
                              const QString& current) {
    SaveDialog dialog(parent_, startFolder(), qtFilter(filter), current);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setProxyModel(new LocalFiles(&dialog));
    if (!current.isEmpty()) {
        dialog.selectFile(current);
    }
    fitColumns(dialog);
    endGesture();
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    return remember(chosen ? dialog.selectedFiles().constFirst() : QString());
}

// The folder chosen last, else the system's place for a user's files.
QString QtDialogs::startFolder() const {
    const QString last = store_ != nullptr ? store_->value(QLatin1String(settings::DialogsSection),
                                                           QLatin1String(settings::LastFolderKey))
                                           : QString();
    return last.isEmpty() ? firstFileDialogFolder() : last;
}

QString QtDialogs::remember(const QString& chosen) {
    if (store_ != nullptr && !chosen.isEmpty()) {
        store_->setValue(QLatin1String(settings::DialogsSection),
                         QLatin1String(settings::LastFolderKey), QFileInfo(chosen).path());
    }
    return chosen;
}

QString QtDialogs::qtFilter(const QString& filter) {
    QStringList entries;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        const bool shown = parts[i].endsWith(QLatin1Char('(') + parts[i + 1] + QLatin1Char(')'));
        entries << (shown ? parts[i] : parts[i] + QStringLiteral(" (") + patterns + ')');
    }
    entries << fileDialogText("All Files (*)");
    return entries.join(QStringLiteral(";;"));
}

}  // namespace rotaline
