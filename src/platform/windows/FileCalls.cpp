#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "platform/RegularFiles.h"
#include "platform/SystemCalls.h"
#include "platform/windows/Handle.h"
#include "platform/windows/LongPath.h"
#include "platform/windows/SystemError.h"

namespace rotaline::system {

namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr qint64 MaxPiece = 1 << 30;

HANDLE handleOf(system::Handle file) {
    return reinterpret_cast<HANDLE>(file);
}

// A folder is not opened as a file at all: Windows says only that access is denied.
int ourCode(DWORD code, const QString& name) {
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
        return FileProblem::NoSuchFile;
    }
    const DWORD attributes = GetFileAttributesW(wide(name));
    return code == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
                   (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
               ? FileProblem::IsFolder
               : static_cast<int>(code);
}

DWORD accessOf(Open how) {
    switch (how) {
        case Open::Append:
            return FILE_APPEND_DATA | FILE_READ_DATA | SYNCHRONIZE;
        case Open::Lock:
            return GENERIC_READ | GENERIC_WRITE;
        case Open::Read:
        case Open::ReadOneName:
            break;
    }
    return GENERIC_READ;
}

}  // namespace

// A link (a reparse point) is opened itself where it is refused, and found so on its handle.
system::Handle openFile(const QString& path, Open how, int* error) {
    const QString name = longPath(path);
    const bool follow = how == Open::Read;
    const bool make = how == Open::Append || how == Open::Lock;
    rotaline::Handle file(CreateFileW(
        wide(name), accessOf(how), ShareAll, nullptr, make ? OPEN_ALWAYS : OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL | (follow ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    *error = !file.valid() ? ourCode(GetLastError(), name)
             : !follow && GetFileInformationByHandle(file.get(), &info) &&
                     (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0
                 ? FileProblem::IsLink
                 : 0;
    return *error == 0 ? reinterpret_cast<system::Handle>(file.release()) : NoHandle;
}

void closeFile(system::Handle file) {
    if (file != NoHandle) {
        CloseHandle(handleOf(file));
    }
}

// A link's target is looked at through a handle that may read nothing, as a folder's may.
int statusOfPath(const QString& path, bool followLinks, FileStatus* status) {
    const QString name = longPath(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide(name), GetFileExInfoStandard, &data)) {
        return ourCode(GetLastError(), name);
    }
    const DWORD attributes = data.dwFileAttributes;
    if (followLinks && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        const rotaline::Handle target(CreateFileW(wide(name), 0, ShareAll, nullptr, OPEN_EXISTING,
                                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        return target.valid() ? statusOf(reinterpret_cast<system::Handle>(target.get()), status)
                              : ourCode(GetLastError(), name);
    }
    status->folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    status->regular = (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                                     FILE_ATTRIBUTE_DEVICE)) == 0;
    status->readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    status->size = (static_cast<qint64>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    status->names = 1;
    return 0;
}

// A device (CON, a COM port) or a pipe is no file of the disk.
int statusOf(system::Handle file, FileStatus* status) {
    BY_HANDLE_FILE_INFORMATION info{};
    const bool disk = GetFileType(handleOf(file)) == FILE_TYPE_DISK;
    if (disk && !GetFileInformationByHandle(handleOf(file), &info)) {
        return static_cast<int>(GetLastError());
    }
    status->folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    status->regular = disk && !status->folder;
    status->readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    status->size = (static_cast<qint64>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    status->names = info.nNumberOfLinks;
    return 0;
}

qint64 readAt(system::Handle file, char* bytes, qint64 count, qint64 offset, int* error) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    const bool done = ReadFile(handleOf(file), bytes, static_cast<DWORD>(std::min(count, MaxPiece)),
                               &read, &at) != 0;
    const DWORD code = done ? ERROR_SUCCESS : GetLastError();
    *error = code == ERROR_HANDLE_EOF ? 0 : static_cast<int>(code);
    return *error != 0 ? -1 : read;
}

int appendAll(system::Handle file, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<qint64>(bytes.size() - done, MaxPiece));
        if (!WriteFile(handleOf(file), bytes.constData() + done, piece, &written, nullptr)) {
            return static_cast<int>(GetLastError());
        }
        if (written == 0) {
            return ERROR_WRITE_FAULT;
        }
        done += written;
    }
    return 0;
}

int tryLock(system::Handle file) {
    OVERLAPPED whole{};
    if (LockFileEx(handleOf(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &whole)) {
        return 0;
    }
    const DWORD code = GetLastError();
    return code == ERROR_LOCK_VIOLATION ? FileProblem::LockHeld : static_cast<int>(code);
}

int renameOver(const QString& from, const QString& to) {
    return MoveFileExW(wide(longPath(from)), wide(longPath(to)),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : static_cast<int>(GetLastError());
}

QString systemReason(int error) {
    return systemMessage(static_cast<unsigned long>(error));
}

}  // namespace rotaline::system
