#include <QDir>
#include <QFile>
#include <QFileInfo>

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

StoreTrouble troubleWith(const QString& file, QByteArray* bytes) {
    if (file.isEmpty()) {
        return {false, QStringLiteral("%APPDATA%\\Rotaline\\Rotaline.ini"),
                QStringLiteral("APPDATA is not set, so there is no folder for settings.")};
    }
    const QFileInfo info(file);
    if (!info.exists()) {
        return {};
    }
    if (!info.isFile()) {
        return {true, file,
                info.isDir() ? QStringLiteral("It is a folder.")
                             : QStringLiteral("It is not a regular file.")};
    }
    if (info.size() > MaxStoreBytes) {
        return {true, file, QStringLiteral("It is larger than 64 KiB.")};
    }
    QFile probe(file);
    if (!probe.open(QIODevice::ReadOnly)) {
        return {true, file, probe.errorString()};
    }
    if (bytes != nullptr) {
        *bytes = probe.read(MaxStoreBytes + 1);
    }
    return bytes == nullptr || bytes->size() <= MaxStoreBytes
               ? StoreTrouble{}
               : StoreTrouble{true, file, QStringLiteral("It is larger than 64 KiB.")};
}

QString specialLock(const QString& file) {
    const QFileInfo lock(file + QStringLiteral(".update-lock"));
    return lock.exists() && !lock.isFile() ? lock.filePath() : QString();
}

QString reasonNotKept(const QString& file) {
    const QFileInfo info(file);
    if (info.exists() && !info.isWritable()) {
        return QStringLiteral("It is read-only.");
    }
    return QStringLiteral("The file could not be written.");
}

}  // namespace rotaline
