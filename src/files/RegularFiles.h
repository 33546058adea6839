#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace rotaline {

// Hands the regular file at `path` (through symlinks) to `take` a piece at a time, until the
// file ends or `take` wants no more. Anything else, a pipe, a terminal or a device, is refused
// before it is opened, so nothing waits on it; so is a file of more than `limit` bytes, and one
// that turns out longer while it is read (as files of /proc can). False: refused, or not
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
