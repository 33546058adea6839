#include "platform/AppendLog.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>

#include "platform/windows/Handle.h"
#include "platform/windows/SystemError.h"

namespace rotaline {

namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens `name` without following a link (a reparse point) and keeps it only when it is a
// regular file of one name, so that nothing is written through another name of it: its size in
// `size`, or an invalid handle with the reason in `error` ("" when there is no such file and
// `disposition` does not make one).
HANDLE openRegular(const QString& name, DWORD access, DWORD disposition, LONGLONG* size,
                   QString* error) {
    Handle file(CreateFileW(wide(name), access, ShareAll, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid()) {
        // A folder is not opened as a file at all: Windows says only that access is denied.
        const DWORD code = GetLastError();
        const DWORD attributes = GetFileAttributesW(wide(name));
        *error = code == ERROR_FILE_NOT_FOUND ? QString()
                 : attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)
                     ? QStringLiteral("Is a directory")
                     : systemMessage(code);
        return INVALID_HANDLE_VALUE;
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.get(), &info)) {
        *error = QStringLiteral("It is not a regular file.");
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        *error = QStringLiteral("It is a symbolic link.");
    } else if (info.nNumberOfLinks != 1) {
        *error = QString::fromLatin1(HardLinkedReason);
    } else {
        *size = (static_cast<LONGLONG>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        return file.release();
    }
    return INVALID_HANDLE_VALUE;
}

// Another writer's lock is waited for no longer than LockWait.
bool lockWithin(HANDLE lock, QString* error) {
    const auto end = std::chrono::steady_clock::now() + LockWait;
    for (;;) {
        OVERLAPPED whole{};
        if (LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &whole)) {
            return true;
        }
        if (GetLastError() != ERROR_LOCK_VIOLATION) {
            *error = lastSystemMessage();
            return false;
        }
        if (std::chrono::steady_clock::now() >= end) {
            *error = QString::fromLatin1(LockHeldReason);
            return false;
        }
        Sleep(static_cast<DWORD>(LockPoll.count()));
    }
}

bool readAt(HANDLE file, char* bytes, DWORD count, LONGLONG offset, DWORD* read) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return ReadFile(file, bytes, count, read, &at) != 0;
}

bool endsTorn(HANDLE log, LONGLONG size) {
    char last = '\n';
    DWORD read = 0;
    return size > 0 && readAt(log, &last, 1, size - 1, &read) && read == 1 && last != '\n';
}

bool writeAll(HANDLE log, const QByteArray& bytes) {
    DWORD written = 0;
    return WriteFile(log, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == static_cast<DWORD>(bytes.size());
}

bool rotate(const QString& name) {
    return MoveFileExW(wide(name), wide(name + QStringLiteral(".1")),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// The last `limit` bytes of the file from its first whole line on; nothing, and no error, when
// there is no such file.
QByteArray tailOf(const QString& name, qint64 limit, bool* cut, QString* error) {
    LONGLONG size = 0;
    const Handle file(openRegular(name, GENERIC_READ, OPEN_EXISTING, &size, error));
    *cut = size > limit;
    QByteArray bytes(file.valid() ? std::min<qint64>(size, limit) : 0, Qt::Uninitialized);
    DWORD read = 0;
    if (!bytes.isEmpty() && !readAt(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                    *cut ? size - limit : 0, &read)) {
        *error = lastSystemMessage();
    }
    bytes.truncate(read);
    return *cut ? bytes.mid(bytes.indexOf('\n') + 1) : bytes;
}

}  // namespace

// Every writer opens the log afresh under a lock of the file beside it, so none holds a file
// renamed away; the log itself is opened for appending only, so each write lands at its end.
bool appendToLog(const QString& path, const QByteArray& line, qint64 bound, QString* error) {
    const QString name = QDir::toNativeSeparators(path);
    const Handle lock(CreateFileW(wide(name + QStringLiteral(".lock")),
                                  GENERIC_READ | GENERIC_WRITE, ShareAll, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!lock.valid()) {
        *error = lastSystemMessage();
        return false;
    }
    if (!lockWithin(lock.get(), error)) {
        return false;
    }
    constexpr DWORD Appending = FILE_APPEND_DATA | FILE_READ_DATA | SYNCHRONIZE;
    LONGLONG size = 0;
    Handle log(openRegular(name, Appending, OPEN_ALWAYS, &size, error));
    // Past the bound only when renaming it failed after the last line: now or never.
    if (log.valid() && size > bound) {
        log.close();
        if (!rotate(name)) {
            *error = QStringLiteral("It is full and cannot be rotated: ") + lastSystemMessage();
            return false;
        }
        log.reset(openRegular(name, Appending, OPEN_ALWAYS, &size, error));
    }
    if (!log.valid()) {
        return false;
    }
    const QByteArray bytes = endsTorn(log.get(), size) ? '\n' + line : line;
    if (!writeAll(log.get(), bytes)) {
        *error = lastSystemMessage();
        return false;
    }
    log.close();
    // The line is written: a rename that fails here is tried again by the next line.
    if (size + bytes.size() > bound) {
        rotate(name);
    }
    return true;
}

QByteArray readLogTail(const QString& file, qint64 limit, bool* cut, QString* reason) {
    return tailOf(QDir::toNativeSeparators(file), limit, cut, reason);
}

// %LOCALAPPDATA%\Rotaline: the journal stays on this computer.
QString userLogFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Rotaline");
}

}  // namespace rotaline
