#include "platform/OpenFile.h"

#include <thread>

#include "platform/RegularFiles.h"

namespace rotaline {

namespace {

int problemOf(const system::FileStatus& status, bool oneName, qint64 limit) {
    return status.folder                  ? FileProblem::IsFolder
           : !status.regular              ? FileProblem::NotRegular
           : oneName && status.names != 1 ? FileProblem::HardLinked
           : status.size > limit          ? FileProblem::TooLarge
                                          : 0;
}

}  // namespace

OpenFile::OpenFile(const QString& path, system::Open how, qint64 limit) {
    system::FileStatus status;
    if (how == system::Open::Read) {
        problem_ = system::statusOfPath(path, true, &status);
        if (problem_ == 0) {
            problem_ = problemOf(status, false, limit);
        }
        if (problem_ != 0) {
            return;
        }
    }
    handle_ = system::openFile(path, how, &problem_);
    unopened_ = !isOpen() && how == system::Open::Read;
    if (isOpen()) {
        problem_ = system::statusOf(handle_, &status);
        if (problem_ == 0) {
            const bool oneName = how == system::Open::ReadOneName || how == system::Open::Append;
            problem_ = problemOf(status, oneName, limit);
        }
        size_ = problem_ == 0 ? status.size : 0;
    }
    if (problem_ != 0) {
        close();
    }
}

void OpenFile::close() {
    system::closeFile(handle_);
    handle_ = system::NoHandle;
}

QByteArray OpenFile::read(qint64 offset, qint64 count, int* error) const {
    QByteArray bytes(isOpen() ? count : 0, Qt::Uninitialized);
    qsizetype done = 0;
    *error = 0;
    while (done < bytes.size()) {
        const qint64 n =
            system::readAt(handle_, bytes.data() + done, bytes.size() - done, offset + done, error);
        if (n <= 0) {
            break;  // a file cut short meanwhile ends where it ends
        }
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

FileLock::FileLock(const QString& path, std::chrono::milliseconds wait)
    : file_(path, system::Open::Lock), problem_(file_.problem()) {
    const auto end = std::chrono::steady_clock::now() + wait;
    while (problem_ == 0 && (problem_ = system::tryLock(file_.handle())) == FileProblem::LockHeld &&
           std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(LockPoll);
    }
}

}  // namespace rotaline
