#include "platform/PortHolders.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "platform/PortExplanation.h"
#include "platform/SerialDevices.h"
#include "platform/linux/SystemFiles.h"

namespace rotaline {

namespace {

// The number N of /dev/pts/N, or -1 for a device that is no pseudo-terminal.
int ptyIndexOf(const QString& device) {
    bool numeric = false;
    const int index =
        device.startsWith(QLatin1String("/dev/pts/")) ? device.mid(9).toInt(&numeric) : -1;
    return numeric ? index : -1;
}

constexpr qint64 ProcBytes = 4096;

// The pseudo-terminal whose master side the descriptor `fd` of a process is, or -1.
int masterIndexOf(const QString& process, const QString& fd) {
    const QByteArray info = readSystemFile(process + QStringLiteral("/fdinfo/") + fd, ProcBytes);
    for (const QByteArray& line : info.split('\n')) {
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

// The name the program was started by, whole: the base name of its argv[0]. Its comm is cut at
// 15 bytes, and its exe has links resolved (a program started as "nc" runs "nc.openbsd"); comm
// serves for a process without a command line (a kernel thread, a zombie).
QString programOf(const QString& process) {
    const QByteArray command = readSystemFile(process + QStringLiteral("/cmdline"), ProcBytes);
    const QByteArray first = command.left(command.indexOf('\0'));
    const QByteArray name = first.mid(first.lastIndexOf('/') + 1);
    return QString::fromLocal8Bit(
        name.isEmpty() ? readSystemFile(process + QStringLiteral("/comm"), ProcBytes).trimmed()
                       : name);
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

// brltty takes CH340/CH341 adapters away as braille displays, so their device vanishes;
// ModemManager opens a new serial port for a few seconds to see whether a modem answers.
PortProblem absenceOf(const QString&) {
    return isRunning(QStringLiteral("brltty")) ? PortProblem::Claimed : PortProblem::Absent;
}

PortProblem holdingBy(const PortHolder& holder) {
    return holder.program == QLatin1String("ModemManager") ? PortProblem::Probed
                                                           : PortProblem::Busy;
}

}  // namespace rotaline
