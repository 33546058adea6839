#include "platform/AppendLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/linux/BaseFolders.h"

namespace rotaline {

namespace {

constexpr int NotRegular = -1;  // our own error codes beside errno's
constexpr int Link = -2;
constexpr int HardLinked = -3;
constexpr int Held = -4;

QString reasonOf(int error) {
    switch (error) {
        case NotRegular:
            return QStringLiteral("It is not a regular file.");
        case Link:
            return QStringLiteral("It is a symbolic link.");
        case HardLinked:
            return QString::fromLatin1(HardLinkedReason);
        case Held:
            return QString::fromLatin1(LockHeldReason);
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Closes a descriptor, releasing its lock with it.
struct Descriptor {
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor() { reset(-1); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    void reset(int descriptor) {
        if (fd >= 0) {
            ::close(fd);
        }
        fd = descriptor;
    }
    int fd;
};

// Opens `name` without following a link and without waiting on a pipe or a device, and keeps
// it only when it is a regular file of one name, so that nothing is written through another
// name of it: its size in `size`, or -1 with the error in `error`.
int openRegular(const QByteArray& name, int access, off_t* size, int* error) {
    const int fd =
        ::open(name.constData(), access | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    struct stat status {};
    *error = fd < 0                      ? (errno == ELOOP ? Link : errno)
             : ::fstat(fd, &status) != 0 ? errno
             : S_ISDIR(status.st_mode)   ? EISDIR
             : !S_ISREG(status.st_mode)  ? NotRegular
             : status.st_nlink != 1      ? HardLinked
                                         : 0;
    if (*error != 0 && fd >= 0) {
        ::close(fd);
    }
    *size = status.st_size;
    return *error == 0 ? fd : -1;
}

// 0, or the error; another writer's lock is waited for no longer than LockWait.
int lockWithin(int fd) {
    const auto end = std::chrono::steady_clock::now() + LockWait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return errno;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return Held;
        }
        std::this_thread::sleep_for(LockPoll);
    }
    return 0;
}

bool endsTorn(int fd, off_t size) {
    char last = '\n';
    return size > 0 && ::pread(fd, &last, 1, size - 1) == 1 && last != '\n';
}

// 0 or the error.
int writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        done += written;
    }
    return 0;
}

// The last `limit` bytes of the file at `name` from its first whole line on; nothing, and no
// error, when there is no such file.
QByteArray tailOf(const QByteArray& name, qint64 limit, bool* cut, int* error) {
    off_t size = 0;
    const Descriptor file(openRegular(name, O_RDONLY, &size, error));
    if (*error == ENOENT) {
        *error = 0;
    }
    *cut = size > limit;
    const off_t start = *cut ? size - limit : 0;
    QByteArray bytes(file.fd < 0 ? 0 : std::min<qint64>(size, limit), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(file.fd, bytes.data() + done,
                                  static_cast<size_t>(bytes.size() - done), start + done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            *error = n < 0 ? errno : 0;  // a file cut short meanwhile ends where it ends
            break;
        }
        done += n;
    }
    bytes.truncate(done);
    return *cut ? bytes.mid(bytes.indexOf('\n') + 1) : bytes;
}

}  // namespace

bool appendToLog(const QString& path, const QByteArray& line, qint64 bound, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    const QByteArray older = name + ".1";
    int problem = 0;
    off_t size = 0;
    // Every writer opens the log afresh under this lock, so none holds a file renamed away.
    const Descriptor lock(::open((name + ".lock").constData(),
                                 O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                                 0600));
    if (lock.fd < 0) {
        problem = errno == ELOOP ? Link : errno;
    } else {
        problem = lockWithin(lock.fd);
    }
    Descriptor log(problem != 0 ? -1
                                : openRegular(name, O_RDWR | O_APPEND | O_CREAT, &size, &problem));
    // Past the bound only when renaming it failed after the last line: now or never.
    if (log.fd >= 0 && size > bound) {
        log.reset(-1);
        if (::rename(name.constData(), older.constData()) != 0) {
            *error = QStringLiteral("It is full and cannot be rotated: ") + reasonOf(errno);
            return false;
        }
        log.reset(openRegular(name, O_RDWR | O_APPEND | O_CREAT, &size, &problem));
    }
    const QByteArray bytes = endsTorn(log.fd, size) ? '\n' + line : line;
    if (problem == 0) {
        problem = writeAll(log.fd, bytes);
    }
    if (problem != 0) {
        *error = reasonOf(problem);
        return false;
    }
    // The line is written: a rename that fails here is tried again by the next line.
    if (size + bytes.size() > bound) {
        ::rename(name.constData(), older.constData());
    }
    return true;
}

QByteArray readLogTail(const QString& file, qint64 limit, bool* cut, QString* reason) {
    int error = 0;
    const QByteArray tail = tailOf(QFile::encodeName(file), limit, cut, &error);
    *reason = error != 0 ? reasonOf(error) : QString();
    return tail;
}

QString userLogFolder() {
    const QString state = baseFolder("XDG_STATE_HOME", ".local/state");
    return state.isEmpty() ? QString() : state + QStringLiteral("/Rotaline");
}

}  // namespace rotaline
