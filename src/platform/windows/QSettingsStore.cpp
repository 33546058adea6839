#include <QDir>
#include <QFileInfo>

#include "platform/RegularFiles.h"
#include "platform/SettingsFileChecks.h"

namespace rotaline {

// An INI file in the roaming profile, as on Linux: the same file checks, lock and values, and
// a file the user can copy to another computer or read.
QString storeFile() {
    const QString appData = qEnvironmentVariable("APPDATA");
    return QDir::isAbsolutePath(appData)
               ? QDir::fromNativeSeparators(appData) + QStringLiteral("/Rotaline/Rotaline.ini")
               : QString();
}

StoreTrouble noStoreFolder() {
    return {false, QStringLiteral("%APPDATA%\\Rotaline\\Rotaline.ini"),
            QStringLiteral("APPDATA is not set, so there is no folder for settings.")};
}

QString reasonNotKept(const QString& file) {
    const QFileInfo info(file);
    if (info.exists() && !info.isWritable()) {
        return fileReason(FileProblem::ReadOnly);
    }
    return QStringLiteral("The file could not be written.");
}

}  // namespace rotaline
