#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "platform/SettingsFileChecks.h"
#include "platform/linux/BaseFolders.h"

namespace rotaline {

namespace {

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The lock files beside the store: the one taken inside every sync, and our own.
QStringList lockFiles(const QString& file) {
    return {file + QStringLiteral(".lock"), file + QStringLiteral(".update-lock")};
}

}  // namespace

// A lock file that is there and not a regular file, which taking the lock would open and wait
// on for ever; "" when there is none.
QString specialLock(const QString& file) {
    for (const QString& lock : lockFiles(file)) {
        struct stat st {};
        if (::stat(QFile::encodeName(lock).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
            return lock;
        }
    }
    return {};
}

// Where the file belongs; "" when there is no folder for it.
QString storeFile() {
    const QString base = baseFolder("XDG_CONFIG_HOME", ".config");
    return base.isEmpty() ? QString() : base + QStringLiteral("/Rotaline/Rotaline.conf");
}

// Why the file at `file` is not to be read, or why nothing can be kept there; none when it
// can be opened without waiting (a FIFO or a device would keep the open waiting for ever).
StoreTrouble troubleWith(const QString& file) {
    if (file.isEmpty()) {
        return {false, QStringLiteral("$HOME/.config/Rotaline/Rotaline.conf"),
                QStringLiteral("HOME is not set, so there is no folder for settings.")};
    }
    const QByteArray name = QFile::encodeName(file);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        return {false, errno == ENOENT ? QString() : file, reasonOf(errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return {true, file,
                S_ISDIR(st.st_mode) ? QStringLiteral("It is a folder.")
                                    : QStringLiteral("It is not a regular file.")};
    }
    if (st.st_size > MaxStoreBytes) {
        return {true, file, QStringLiteral("It is larger than 64 KiB.")};
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return {true, file, reasonOf(errno)};
    }
    ::close(fd);
    return {};
}

// Why a change did not reach the file.
QString reasonNotKept(const QString& file) {
    const QByteArray folder = QFile::encodeName(QFileInfo(file).path());
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0) {
        return reasonOf(errno);
    }
    if (::faccessat(AT_FDCWD, QFile::encodeName(file).constData(), W_OK, AT_EACCESS) != 0 &&
        errno != ENOENT) {
        return reasonOf(errno);
    }
    return QStringLiteral("The file could not be written.");
}

}  // namespace rotaline
