#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>

#include "platform/RegularFiles.h"
#include "platform/SettingsFileChecks.h"
#include "platform/linux/BaseFolders.h"

namespace rotaline {

namespace {

int mayWriteIn(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    return ::faccessat(AT_FDCWD, name.constData(), W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno;
}

}  // namespace

// Where the file belongs; "" when there is no folder for it.
QString storeFile() {
    const QString base = baseFolder("XDG_CONFIG_HOME", ".config");
    return base.isEmpty() ? QString() : base + QStringLiteral("/Rotaline/Rotaline.conf");
}

StoreTrouble noStoreFolder() {
    return {false, QStringLiteral("$HOME/.config/Rotaline/Rotaline.conf"),
            QStringLiteral("HOME is not set, so there is no folder for settings.")};
}

// Why a change did not reach the file. A folder that is not there could not be made where the
// nearest one that is may not be written to (a read-only home).
QString reasonNotKept(const QString& file) {
    QString folder = QFileInfo(file).path();
    int error = 0;
    while ((error = mayWriteIn(folder)) == ENOENT && QFileInfo(folder).path() != folder) {
        folder = QFileInfo(folder).path();
    }
    if (error != 0) {
        return fileReason(error);
    }
    if (::faccessat(AT_FDCWD, QFile::encodeName(file).constData(), W_OK, AT_EACCESS) != 0 &&
        errno != ENOENT) {
        return fileReason(errno);
    }
    return QStringLiteral("The file could not be written.");
}

}  // namespace rotaline
