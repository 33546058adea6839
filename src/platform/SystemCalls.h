#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The few calls this folder's shared code asks of each system, implemented in the system's own
// folder (FileCalls.cpp, LineCalls.cpp). Private to src/platform/: the layers above use the
// headers that say what they promise (RegularFiles.h, AppendLog.h, LineDrain.h...).
namespace rotaline::system {

// A descriptor, or a Windows handle.
using Handle = qintptr;
inline constexpr Handle NoHandle = -1;

enum class Open {
    Read,         // an existing file for reading, links followed
    ReadOneName,  // an existing file for reading, a link refused
    Append,       // appended to and read, made when missing, a link refused
    Lock,         // held for its lock, made when missing, a link refused
};

// What a file is: found by its name (before it is opened) or on the open file (after).
struct FileStatus {
    bool regular = false;
    bool folder = false;
    bool readOnly = false;  // no one may write it, whatever the permissions of the user
    qint64 size = 0;
    qint64 names = 1;  // hard links
};

// Opens `path` as `how` says without waiting on anything (a pipe, a device), or NoHandle with
// the error: the system's own code, or NoSuchFile, IsFolder or IsLink (RegularFiles.h).
Handle openFile(const QString& path, Open how, int* error);
void closeFile(Handle file);
// 0 or the error (NoSuchFile when there is none) of the file at `path`, links followed or not.
int statusOfPath(const QString& path, bool followLinks, FileStatus* status);
int statusOf(Handle file, FileStatus* status);
// Up to `count` bytes at `offset` into `bytes`: how many were read (0 at the end), or -1 with
// the error.
qint64 readAt(Handle file, char* bytes, qint64 count, qint64 offset, int* error);
// Writes all of `bytes` at the end of the file opened to be appended to: 0 or the error.
int appendAll(Handle file, const QByteArray& bytes);
// Takes the lock of a file opened to be locked, without waiting: 0, LockHeld while another
// program holds it, or the error. Closing the file lets it go.
int tryLock(Handle file);
// Renames `from` to `to`, replacing it: 0 or the error.
int renameOver(const QString& from, const QString& to);
// The system's text for one of its own error codes.
QString systemReason(int error);

// The line behind a serial port's handle; queuedBytes and lineHungUp are in LineDrain.h.
// Waits for the line to change, `milliseconds` at the most.
void pauseOnLine(qintptr handle, int milliseconds);
// Throws away what the system still holds to send.
void dropQueued(qintptr handle);

}  // namespace rotaline::system
