#include "ui/QtDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>

#include "version.h"

namespace rotaline {

Dialogs::Answer QtDialogs::message(const QString& text, Icon icon, Buttons buttons) {
    QMessageBox box(
        icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
        QLatin1String(ApplicationTitle), QString(text).replace("\r\n", "\n"),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    keepTitleWhole(box);
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

QString QtDialogs::openFileName(const QString& filter) {
    return remember(
        QFileDialog::getOpenFileName(parent_, QString(), startFolder(), qtFilter(filter)));
}

QString QtDialogs::saveFileName(const QString& filter) {
    return remember(QFileDialog::getSaveFileName(parent_, QString(), startFolder(),
                                                 qtFilter(filter), nullptr,
                                                 QFileDialog::DontConfirmOverwrite));
}

QString QtDialogs::startFolder() const {
    return store_ != nullptr ? store_->value(QLatin1String(settings::DialogsSection),
                                             QLatin1String(settings::LastFolderKey))
                             : QString();
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
    entries << QFileDialog::tr("All Files (*)");
    return entries.join(QStringLiteral(";;"));
}

}  // namespace rotaline
