#include "ui/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "version.h"

namespace rotaline {

Dialogs::Answer QtDialogs::message(const QString& text, Icon icon, Buttons buttons) {
    QMessageBox box(
        icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
        QLatin1String(ApplicationTitle), QString(text).replace("\r\n", "\n"),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    const int pressed = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::openFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), qtFilter(filter));
}

QString QtDialogs::saveFileName(const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, QString(), QString(), qtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtDialogs::qtFilter(const QString& filter) {
    QStringList entries;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        entries << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(';', ' ') + ')';
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace rotaline
