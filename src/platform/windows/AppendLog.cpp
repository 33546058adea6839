#include "platform/AppendLog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/windows/Handle.h"
#include "platform/windows/SystemError.h"

namespace rotaline {

namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool endsTorn(HANDLE log, LONGLONG size) {
    char last = '\n';
    DWORD read = 0;
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(size - 1);
    at.OffsetHigh = static_cast<DWORD>((size - 1) >> 32);
    return size > 0 && ReadFile(log, &last, 1, &read, &at) && read == 1 && last != '\n';
}

bool writeAll(HANDLE log, const QByteArray& bytes) {
    DWORD written = 0;
    return WriteFile(log, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == static_cast<DWORD>(bytes.size());
}

}  // namespace

// Every writer opens the log afresh under a lock of the file beside it, so none holds a file
// renamed away; the log itself is opened for appending only, so each write lands at its end.
bool appendLogLine(const QString& path, const QByteArray& line, qint64 bound, QString* error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot make the folder ") + QFileInfo(path).absolutePath();
        return false;
    }
    const QString name = QDir::toNativeSeparators(path);
    const Handle lock(CreateFileW(wide(name + QStringLiteral(".lock")),
                                  GENERIC_READ | GENERIC_WRITE, ShareAll, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    OVERLAPPED whole{};
    if (!lock.valid() || !LockFileEx(lock.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole)) {
        *error = lastSystemMessage();
        return false;
    }
    Handle log(CreateFileW(wide(name), FILE_APPEND_DATA | FILE_READ_DATA | SYNCHRONIZE, ShareAll,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!log.valid() || !GetFileSizeEx(log.get(), &size)) {
        *error = lastSystemMessage();
        return false;
    }
    const QByteArray bytes = endsTorn(log.get(), size.QuadPart) ? '\n' + line : line;
    if (!writeAll(log.get(), bytes)) {
        *error = lastSystemMessage();
        return false;
    }
    log.close();
    if (size.QuadPart + bytes.size() > bound &&
        !MoveFileExW(wide(name), wide(name + QStringLiteral(".1")),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *error = lastSystemMessage();
        return false;
    }
    return true;
}

// %LOCALAPPDATA%\Rotaline: the journal stays on this computer.
QString userLogFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Rotaline");
}

}  // namespace rotaline
