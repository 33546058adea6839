#include "platform/AppendLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace rotaline {

namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Closes a descriptor, releasing its lock with it.
struct Descriptor {
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd;
};

bool endsTorn(int fd, off_t size) {
    char last = '\n';
    return size > 0 && ::pread(fd, &last, 1, size - 1) == 1 && last != '\n';
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

bool appendLogLine(const QString& path, const QByteArray& line, qint64 bound, QString* error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot make the folder ") + QFileInfo(path).absolutePath();
        return false;
    }
    const QByteArray name = QFile::encodeName(path);
    // Every writer opens the log afresh under this lock, so none holds a file renamed away.
    const Descriptor lock(::open((name + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.fd < 0 || ::flock(lock.fd, LOCK_EX) != 0) {
        *error = systemReason();
        return false;
    }
    const Descriptor log(::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600));
    struct stat status {};
    if (log.fd < 0 || ::fstat(log.fd, &status) != 0) {
        *error = systemReason();
        return false;
    }
    const QByteArray bytes = endsTorn(log.fd, status.st_size) ? '\n' + line : line;
    if (!writeAll(log.fd, bytes)) {
        *error = systemReason();
        return false;
    }
    if (status.st_size + bytes.size() > bound &&
        ::rename(name.constData(), (name + ".1").constData()) != 0) {
        *error = systemReason();
        return false;
    }
    return true;
}

QString userLogFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/Rotaline");
}

}  // namespace rotaline
