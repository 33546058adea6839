#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace rotaline {

// Our own reasons a file is refused or not written; the system's own error codes are positive.
namespace FileProblem {
enum : int {
    NoSuchFile = -1,
    IsFolder = -2,
    NotRegular = -3,
    IsLink = -4,
    HardLinked = -5,
    TooLarge = -6,
    ReadOnly = -7,
    LockHeld = -8,
};
}  // namespace FileProblem

// Why, in a sentence: ours from one table, the system's in its own words.
QString fileReason(int problem);

// What regularFile found: no problem and the size of a regular file, or why it is not one to
// read, and whether that is because it could not be opened.
struct FileCheck {
    int problem = 0;  // 0, one of FileProblem, or the system's own error code
    qint64 size = 0;
    bool unopened = false;
};

// Whether `path` (links followed) is a regular file of at most `limit` bytes that may be read.
// A name that is no regular file is refused before it is opened; the file is then opened without
// waiting on anything and checked again on the open file, so that one swapped meanwhile for a
// pipe, a device or a folder is refused, never waited on.
FileCheck regularFile(const QString& path, qint64 limit);

// Hands the file at `path` that regularFile finds regular to `take` a piece at a time, until
// the file ends or `take` wants no more. A file of more than `limit` bytes is refused, and so is
// one that turns out longer while it is read (as files of /proc can). False: refused, or not
// readable to the end.
bool readRegularFile(const QString& path, qint64 limit,
                     const std::function<bool(const char* bytes, qsizetype size)>& take);

// Puts `bytes` into the regular file at `path` (through a symlink: into its target), or creates
// it. Every write, sync and close is checked, and on any failure an existing file keeps its
// content byte for byte. A lone file is replaced by renaming a full copy over it; a file with
// other hard links, or one whose folder takes no new file, is rewritten in place after a full
// copy proved the room where the folder allows one, and put back as it was if that fails.
// Devices, pipes, sockets, folders and files that may not be written (read-only ones also for
// the superuser) are refused without being opened. `error` says why.
bool replaceFileContents(const QString& path, const QByteArray& bytes, QString* error);

// A save writes its copy beside the file as ".NAME.rotaline-XXXXXX" (NAME cut short for a long
// name) and holds it locked until it is renamed or removed; a save killed mid-way leaves it
// behind. Removes such copies of the file at `path` that no running save holds, and nothing
// else (a save sweeps before it writes; start-up sweeps beside the recent files).
void sweepStaleCopies(const QString& path);

}  // namespace rotaline
