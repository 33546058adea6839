#pragma once

#ifdef _WIN32
#include <windows.h>

#include "platform/windows/SystemError.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/WithoutFileOverride.h"
#endif

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// What a contract row needs of the system it runs on: one row means one promise on every system,
// given in the system's own terms.
namespace rotaline::testing {

template <class T, class U>
T onThisSystem(T onLinux, U onWindows) {
#ifdef _WIN32
    static_cast<void>(onLinux);
    return T(onWindows);
#else
    static_cast<void>(onWindows);
    return onLinux;
#endif
}

// The system's words for a refused access, where Linux's differ by case.
inline QString windowsAccessDenied() {
#ifdef _WIN32
    return systemMessage(ERROR_ACCESS_DENIED);
#else
    return {};
#endif
}

// Why Windows cannot show a row ("" on Linux): a row a system cannot show says so and is skipped.
inline QString linuxOnly(const char* why) {
    return onThisSystem(QString(), QString(why));
}

#define SKIP_WHERE_NOT_SHOWN(why) \
    if (!(why).isEmpty()) {       \
        QSKIP(qPrintable(why));   \
    }

// One entry a name, sorted: "name=bytes" a file, "name/" a folder, "name->target" a symbolic
// link, "name|" anything else; hidden ones too, so a copy left behind shows.
inline QString listing(const QString& folder) {
    QStringList entries;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(
             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        QFile file(entry.filePath());
        entries << entry.fileName() +
                       (entry.isSymLink() ? "->" + QFileInfo(entry.symLinkTarget()).fileName()
                        : entry.isDir()   ? "/"
                        : !entry.isFile() ? "|"
                        : file.open(QIODevice::ReadOnly) ? "=" + QString::fromUtf8(file.readAll())
                                                         : "=(unreadable)");
    }
    return entries.join(' ');
}

// Writes `bytes` to a new file at `path`.
inline void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Whether a text from outside reached a surface unwritten: a control character, a line break
// other than LF, or a mark that turns the text's direction.
inline bool holdsControlCharacters(const QString& text) {
    return text.contains(
        QRegularExpression("[\\x00-\\x09\\x0b-\\x1f\\x7f-\\x9f\\x{2028}\\x{2029}\\x{202e}]"));
}

// A second name of `target` in the same folder (a hard link).
inline bool hardLink(const QString& target, const QString& link) {
#ifdef _WIN32
    return CreateHardLinkW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(link).utf16()),
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()), nullptr);
#else
    return ::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
#endif
}

// A FIFO (Linux alone has them in its file system).
inline bool makeFifo(const QString& path) {
#ifdef _WIN32
    static_cast<void>(path);
    return false;
#else
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}

// While it lives, this thread obeys file permissions as any user does, also as the superuser.
#ifdef _WIN32
struct AsAnyUser {
    AsAnyUser() {}  // made and kept for its lifetime, as on Linux
};
#else
using AsAnyUser = WithoutFileOverride;
#endif

// Another program's lock on the file at `path` while this lives, the lock the system's writers
// take: flock on Linux, LockFileEx on its first byte on Windows.
class HeldLock {
public:
    explicit HeldLock(const QString& path) {
#ifdef _WIN32
        lock_ = CreateFileW(
            reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
            GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        OVERLAPPED whole{};
        held_ = LockFileEx(lock_, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole);
#else
        lock_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        held_ = ::flock(lock_, LOCK_EX) == 0;
#endif
    }
    ~HeldLock() {
#ifdef _WIN32
        CloseHandle(lock_);
#else
        ::close(lock_);
#endif
    }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    bool held() const {
        return held_;
    }

private:
#ifdef _WIN32
    HANDLE lock_;
#else
    int lock_;
#endif
    bool held_ = false;
};

}  // namespace rotaline::testing
