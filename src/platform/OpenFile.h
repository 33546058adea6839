#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <limits>

#include "platform/SystemCalls.h"

namespace rotaline {

inline constexpr qint64 NoSizeLimit = std::numeric_limits<qint64>::max();
// How often a lock another program holds is tried again.
inline constexpr std::chrono::milliseconds LockPoll{10};

// A file opened without waiting on anything and kept only when the open file is what it should
// be: a regular file of at most `limit` bytes, and of one name where a link is refused (so that
// nothing is written through another name of it). What is checked is the file opened, not the
// name, so a file swapped for a pipe, a device or a folder between a look and the open is
// refused, never waited on. Read with links followed, a name that is no regular file is refused
// before it is opened at all: opening a device can start it (a serial port raises its lines).
// Private to src/platform/.
class OpenFile {
public:
    OpenFile(const QString& path, system::Open how, qint64 limit = NoSizeLimit);
    ~OpenFile() { close(); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const { return handle_ != system::NoHandle; }
    // 0, one of FileProblem, or the system's own error code.
    int problem() const { return problem_; }
    // Whether the name was a regular file but could not be opened.
    bool unopened() const { return unopened_; }
    qint64 size() const { return size_; }
    system::Handle handle() const { return handle_; }
    void close();

    // Up to `count` bytes from `offset` on, fewer where the file ends; the error in `error`.
    QByteArray read(qint64 offset, qint64 count, int* error) const;

private:
    system::Handle handle_ = system::NoHandle;
    int problem_ = 0;
    bool unopened_ = false;
    qint64 size_ = 0;
};

// A lock of a file of its own beside what it guards, held while it lives: the file opened
// without following a link, checked to be a regular file, locked within `wait` (another holder
// is polled, never waited on without a bound).
class FileLock {
public:
    FileLock(const QString& path, std::chrono::milliseconds wait);

    bool held() const { return problem_ == 0; }
    // 0, one of FileProblem (LockHeld when another kept it past the wait), or the system's code.
    int problem() const { return problem_; }

private:
    OpenFile file_;
    int problem_ = 0;
};

}  // namespace rotaline
