#include "platform/PortHolders.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rotaline {

namespace {

struct Holds {
    bool device = false;
    bool ptyMaster = false;
};

Holds holdsOf(const QDir& descriptors, const QString& device) {
    Holds holds;
    for (const QString& fd : descriptors.entryList(QDir::Files | QDir::System)) {
        const QString target = QFile::symLinkTarget(descriptors.filePath(fd));
        holds.device = holds.device || target == device;
        holds.ptyMaster = holds.ptyMaster || target == QLatin1String("/dev/ptmx") ||
                          target == QLatin1String("/dev/pts/ptmx");
    }
    return holds;
}

QString programOf(const QString& process) {
    QFile comm(process + QStringLiteral("/comm"));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                          : QString();
}

}  // namespace

std::optional<PortHolder> otherHolderOf(const QString& device, const QString& proc) {
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (canonical.isEmpty()) {
        return std::nullopt;
    }
    const QDir processes(proc);
    const QString self = QString::number(::getpid());
    for (const QString& pid : processes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric || pid == self) {
            continue;
        }
        const Holds holds =
            holdsOf(QDir(processes.filePath(pid) + QStringLiteral("/fd")), canonical);
        if (holds.device && !holds.ptyMaster) {
            return PortHolder{pid.toLongLong(), programOf(processes.filePath(pid))};
        }
    }
    return std::nullopt;
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
