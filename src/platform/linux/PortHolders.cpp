#include "platform/PortHolders.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace rotaline {

namespace {

// The number N of /dev/pts/N, or -1 for a device that is no pseudo-terminal.
int ptyIndexOf(const QString& device) {
    bool numeric = false;
    const int index =
        device.startsWith(QLatin1String("/dev/pts/")) ? device.mid(9).toInt(&numeric) : -1;
    return numeric ? index : -1;
}

// The pseudo-terminal whose master side the descriptor `fd` of a process is, or -1.
int masterIndexOf(const QString& process, const QString& fd) {
    QFile info(process + QStringLiteral("/fdinfo/") + fd);
    if (!info.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : info.readAll().split('\n')) {
        if (line.startsWith("tty-index:")) {
            return line.mid(10).trimmed().toInt();
        }
    }
    return -1;
}

// Whether the process has `device` open as a user of the line. The one holding the master side
// of that very pseudo-terminal is its other end (the virtual controller, a test), whatever
// else it holds; holding another one's (a socat bridge, a terminal program) changes nothing.
bool holds(const QString& process, const QString& device) {
    const QDir descriptors(process + QStringLiteral("/fd"));
    const int pty = ptyIndexOf(device);
    bool opened = false;
    for (const QString& fd : descriptors.entryList(QDir::Files | QDir::System)) {
        const QString target = QFile::symLinkTarget(descriptors.filePath(fd));
        if (pty >= 0 &&
            (target == QLatin1String("/dev/ptmx") || target == QLatin1String("/dev/pts/ptmx")) &&
            masterIndexOf(process, fd) == pty) {
            return false;
        }
        opened = opened || target == device;
    }
    return opened;
}

QString programOf(const QString& process) {
    QFile comm(process + QStringLiteral("/comm"));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                          : QString();
}

}  // namespace

HolderSearch searchHolders(const QString& device, const QString& proc) {
    HolderSearch search;
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (canonical.isEmpty()) {
        return search;
    }
    const QDir processes(proc);
    const QString self = QString::number(::getpid());
    for (const QString& pid : processes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric || pid == self) {
            continue;
        }
        const QString process = processes.filePath(pid);
        if (::access(QFile::encodeName(process + QStringLiteral("/fd")).constData(), R_OK) != 0) {
            search.unseen = search.unseen || errno == EACCES;
        } else if (holds(process, canonical)) {
            search.holder = PortHolder{pid.toLongLong(), programOf(process)};
            return search;
        }
    }
    return search;
}

std::optional<PortHolder> otherHolderOf(const QString& device, const QString& proc) {
    return searchHolders(device, proc).holder;
}

bool isRunning(const QString& program, const QString& proc) {
    const QDir processes(proc);
    for (const QString& pid : processes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid.front().isDigit() && programOf(processes.filePath(pid)) == program) {
            return true;
        }
    }
    return false;
}

}  // namespace rotaline
