#include "platform/RegularFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "platform/linux/TransferAll.h"

namespace rotaline {

namespace {

// Old content kept in memory to put back when a rewrite in place fails.
constexpr off_t MaxKeptBytes = 16 * 1024 * 1024;
constexpr qsizetype MaxNameBytes = 255;  // NAME_MAX of every Linux filesystem
const QByteArray CopyMark = ".rotaline-";
constexpr qsizetype CopyLetters = 6;  // the XXXXXX of mkostemp

// ".NAME.rotaline-" before the six letters of a copy of the file named `name`, NAME cut short
// so that the whole stays a name the filesystem takes.
QByteArray copyPrefix(const QByteArray& name) {
    return '.' + name.left(MaxNameBytes - 1 - CopyMark.size() - CopyLetters) + CopyMark;
}

int openFlags(int access) {
    return access | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
}

int writeAll(int fd, const QByteArray& bytes) {
    return transferAll(bytes.size(), [&](qsizetype done) {
        return ::pwrite(fd, bytes.constData() + done, bytes.size() - done, done);
    });
}

int readAll(int fd, off_t size, QByteArray& bytes) {
    bytes.resize(size);
    return transferAll(
        size, [&](qsizetype done) { return ::pread(fd, bytes.data() + done, size - done, done); });
}

int writeAndSync(int fd, const QByteArray& bytes) {
    if (const int error = writeAll(fd, bytes)) {
        return error;
    }
    if (::ftruncate(fd, bytes.size()) != 0 || ::fsync(fd) != 0) {
        return errno;
    }
    return 0;
}

mode_t creationMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool folderRefusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// A hidden file beside the target, gone again unless it was renamed onto the target.
class Companion {
public:
    explicit Companion(const QByteArray& target) {
        const qsizetype slash = target.lastIndexOf('/');
        name_ = target.left(slash + 1) + copyPrefix(target.mid(slash + 1)) + "XXXXXX";
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
        error_ = fd_ < 0 ? errno : 0;
        created_ = fd_ >= 0;
        // Held while it lives: a copy nobody holds was left by a save that was killed.
        if (created_) {
            ::flock(fd_, LOCK_EX);
        }
    }
    ~Companion() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (created_ && !renamed_) {
            ::unlink(name_.constData());
        }
    }
    Companion(const Companion&) = delete;
    Companion& operator=(const Companion&) = delete;

    int error() const { return error_; }

    // The whole content, with the given owner and permissions, on the disk.
    int fill(const QByteArray& bytes, const struct stat& like) {
        ::fchmod(fd_, like.st_mode & 07777);
        if (::geteuid() == 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd_, like.st_uid, like.st_gid);
        }
        int error = writeAndSync(fd_, bytes);
        if (::close(fd_) != 0 && error == 0) {
            error = errno;
        }
        fd_ = -1;
        return error;
    }

    int renameOnto(const QByteArray& target) {
        if (::rename(name_.constData(), target.constData()) != 0) {
            return errno;
        }
        renamed_ = true;
        return 0;
    }

private:
    QByteArray name_;
    int fd_ = -1;
    int error_ = 0;
    bool created_ = false;
    bool renamed_ = false;
};

// Writes over the file itself, keeping its links; on failure the old content is put back.
int rewriteInPlace(const QByteArray& target, const QByteArray& bytes) {
    const int fd = ::open(target.constData(), openFlags(O_RDWR));
    if (fd < 0) {
        return errno;
    }
    struct stat now {};
    QByteArray old;
    int error = ::fstat(fd, &now) != 0  ? errno
                : !S_ISREG(now.st_mode) ? FileProblem::NotRegular
                                        : 0;
    if (error == 0 && now.st_size > MaxKeptBytes) {
        error = EFBIG;
    }
    if (error == 0) {
        error = readAll(fd, now.st_size, old);
    }
    if (error == 0) {
        error = writeAndSync(fd, bytes);
        if (error != 0) {
            writeAndSync(fd, old);
        }
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

int replaceRegular(const QByteArray& target, const struct stat& old, const QByteArray& bytes) {
    {
        Companion copy(target);
        if (copy.error() != 0 && !folderRefusesNewFiles(copy.error())) {
            return copy.error();
        }
        if (copy.error() == 0) {
            if (const int error = copy.fill(bytes, old)) {
                return error;
            }
            if (old.st_nlink == 1) {
                return copy.renameOnto(target);
            }
        }
    }
    return rewriteInPlace(target, bytes);
}

int createFile(const QByteArray& name, const QByteArray& bytes) {
    struct stat fresh {};
    fresh.st_mode = creationMode();
    fresh.st_uid = ::geteuid();
    fresh.st_gid = ::getegid();
    Companion copy(name);
    if (copy.error() != 0) {
        return copy.error();
    }
    const int error = copy.fill(bytes, fresh);
    return error != 0 ? error : copy.renameOnto(name);
}

// Whether `entry` is a copy of ours for the file named `name`: its prefix and the six letters
// or digits mkostemp puts in.
bool isCopyName(const QByteArray& entry, const QByteArray& name) {
    const QByteArray prefix = copyPrefix(name);
    if (entry.size() != prefix.size() + CopyLetters || !entry.startsWith(prefix)) {
        return false;
    }
    return std::all_of(entry.end() - CopyLetters, entry.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes the copy at `path` when it is still the regular file of ours that no save holds.
void removeIfStale(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && held.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.constData(), &named) == 0 &&
        named.st_ino == held.st_ino && named.st_dev == held.st_dev) {
        ::unlink(path.constData());
    }
    ::close(fd);
}

}  // namespace

void sweepStaleCopies(const QString& path) {
    const QByteArray target = QFile::encodeName(path);
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : target.left(std::max<qsizetype>(slash, 1));
    const QByteArray name = target.mid(slash + 1);
    DIR* entries = name.isEmpty() ? nullptr : ::opendir(folder.constData());
    if (entries == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        if (isCopyName(entry->d_name, name)) {
            removeIfStale(folder + '/' + entry->d_name);
        }
    }
    ::closedir(entries);
}

bool replaceFileContents(const QString& path, const QByteArray& bytes, QString* error) {
    sweepStaleCopies(path);
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    struct stat link {};
    int problem = 0;
    if (::stat(name.constData(), &st) != 0) {
        problem = errno == ENOENT ? FileProblem::NoSuchFile : errno;
        // Only a name that is not there at all is created; a dangling symlink is left alone.
        if (problem == FileProblem::NoSuchFile && ::lstat(name.constData(), &link) != 0) {
            problem = createFile(name, bytes);
        }
    } else if (S_ISDIR(st.st_mode)) {
        problem = FileProblem::IsFolder;
    } else if (!S_ISREG(st.st_mode)) {
        problem = FileProblem::NotRegular;
    } else if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        problem = FileProblem::ReadOnly;  // also for the superuser, as editors do
    } else if (::access(name.constData(), W_OK) != 0) {
        problem = errno;
    } else {
        const std::unique_ptr<char, decltype(&std::free)> target(
            ::realpath(name.constData(), nullptr), &std::free);
        problem = target ? replaceRegular(QByteArray(target.get()), st, bytes) : errno;
    }
    if (problem != 0) {
        *error = fileReason(problem);
    }
    return problem == 0;
}

}  // namespace rotaline
