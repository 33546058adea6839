#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "platform/RegularFiles.h"
#include "platform/SystemCalls.h"
#include "platform/linux/TransferAll.h"

namespace rotaline::system {

namespace {

int flagsOf(Open how) {
    constexpr int Always = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    switch (how) {
        case Open::Read:
            return O_RDONLY | Always;
        case Open::ReadOneName:
            return O_RDONLY | O_NOFOLLOW | Always;
        case Open::Append:
            return O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | Always;
        case Open::Lock:
            return O_RDWR | O_CREAT | O_NOFOLLOW | Always;
    }
    return O_RDONLY | Always;
}

int ourCode(int error) {
    return error == ENOENT   ? FileProblem::NoSuchFile
           : error == EISDIR ? FileProblem::IsFolder
                             : error;
}

void fill(const struct stat& found, FileStatus* status) {
    status->regular = S_ISREG(found.st_mode);
    status->folder = S_ISDIR(found.st_mode);
    status->readOnly = (found.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    status->size = found.st_size;
    status->names = static_cast<qint64>(found.st_nlink);
}

}  // namespace

Handle openFile(const QString& path, Open how, int* error) {
    const int fd = ::open(QFile::encodeName(path).constData(), flagsOf(how), 0600);
    // Only a link refused makes ELOOP: a name that names no link is no loop of links.
    *error = fd >= 0                               ? 0
             : errno == ELOOP && how != Open::Read ? FileProblem::IsLink
                                                   : ourCode(errno);
    return fd >= 0 ? fd : NoHandle;
}

void closeFile(Handle file) {
    if (file != NoHandle) {
        ::close(static_cast<int>(file));
    }
}

int statusOfPath(const QString& path, bool followLinks, FileStatus* status) {
    const QByteArray name = QFile::encodeName(path);
    struct stat found {};
    if ((followLinks ? ::stat(name.constData(), &found) : ::lstat(name.constData(), &found)) != 0) {
        return ourCode(errno);
    }
    fill(found, status);
    return 0;
}

int statusOf(Handle file, FileStatus* status) {
    struct stat found {};
    if (::fstat(static_cast<int>(file), &found) != 0) {
        return errno;
    }
    fill(found, status);
    return 0;
}

qint64 readAt(Handle file, char* bytes, qint64 count, qint64 offset, int* error) {
    for (;;) {
        const ssize_t n =
            ::pread(static_cast<int>(file), bytes, static_cast<size_t>(count), offset);
        if (n >= 0 || errno != EINTR) {
            *error = n < 0 ? errno : 0;
            return n;
        }
    }
}

int appendAll(Handle file, const QByteArray& bytes) {
    return transferAll(bytes.size(), [&](qsizetype done) {
        return ::write(static_cast<int>(file), bytes.constData() + done,
                       static_cast<size_t>(bytes.size() - done));
    });
}

int tryLock(Handle file) {
    while (::flock(static_cast<int>(file), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) {
            return errno == EWOULDBLOCK ? FileProblem::LockHeld : errno;
        }
    }
    return 0;
}

int renameOver(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
               ? 0
               : errno;
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace rotaline::system
