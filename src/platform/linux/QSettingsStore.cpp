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

// The file's bytes, unless it holds more than the store ever writes.
bool readAtMost(int fd, QByteArray& bytes) {
    bytes.resize(MaxStoreBytes + 1);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n <= 0) {
            break;
        }
        done += n;
    }
    bytes.truncate(done);
    return done <= MaxStoreBytes;
}

int mayWriteIn(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    return ::faccessat(AT_FDCWD, name.constData(), W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno;
}

}  // namespace

// The store's lock, when it is there and not a regular file, which taking the lock would open
// and wait on for ever; "" when there is none.
QString specialLock(const QString& file) {
    const QString lock = file + QStringLiteral(".update-lock");
    struct stat st {};
    return ::stat(QFile::encodeName(lock).constData(), &st) == 0 && !S_ISREG(st.st_mode)
               ? lock
               : QString();
}

// Where the file belongs; "" when there is no folder for it.
QString storeFile() {
    const QString base = baseFolder("XDG_CONFIG_HOME", ".config");
    return base.isEmpty() ? QString() : base + QStringLiteral("/Rotaline/Rotaline.conf");
}

// A FIFO or a device would keep an open waiting for ever: only a regular file is opened, and
// what is read is that file's, not what another program put in its place since.
StoreTrouble troubleWith(const QString& file, QByteArray* bytes) {
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
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return {true, file, reasonOf(errno)};
    }
    struct stat opened {};
    const bool same = ::fstat(fd, &opened) == 0 && opened.st_dev == st.st_dev &&
                      opened.st_ino == st.st_ino && S_ISREG(opened.st_mode);
    const bool whole = same && (bytes == nullptr || readAtMost(fd, *bytes));
    ::close(fd);
    if (!same) {
        return {true, file, QStringLiteral("It changed while it was read.")};
    }
    return whole ? StoreTrouble{}
                 : StoreTrouble{true, file, QStringLiteral("It is larger than 64 KiB.")};
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
        return reasonOf(error);
    }
    if (::faccessat(AT_FDCWD, QFile::encodeName(file).constData(), W_OK, AT_EACCESS) != 0 &&
        errno != ENOENT) {
        return reasonOf(errno);
    }
    return QStringLiteral("The file could not be written.");
}

}  // namespace rotaline
