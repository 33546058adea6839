#include "platform/DevicePath.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/SerialDevices.h"
#include "platform/linux/SystemFiles.h"

namespace rotaline {

namespace {

constexpr qint64 DriversBytes = 64 * 1024;

// A line of /proc/tty/drivers, "serial  /dev/ttyS  4  64-111  serial": whether it is a driver of
// serial lines and takes the device numbered `major`:`minor`.
bool drivesLine(const QByteArray& line, unsigned major, unsigned minor) {
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 5 || fields[4].startsWith("system") || fields[4] == "pty:master") {
        return false;
    }
    const QList<QByteArray> minors = fields[3].split('-');
    bool ok = false;
    return fields[2].toUInt(&ok) == major && ok && minors.front().toUInt() <= minor &&
           minor <= minors.back().toUInt();
}

}  // namespace

QString devicePath(const QString& name) {
    const QString absolute = QDir::isAbsolutePath(name) ? name : QStringLiteral("/dev/") + name;
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(absolute) : canonical;
}

QString typedDevice(const QString& typed) {
    const QString name = typed.trimmed();
    return QDir::cleanPath(name.startsWith(QLatin1Char('/')) ? name
                                                             : QStringLiteral("/dev/") + name);
}

QString exampleDevice() {
    return QStringLiteral("/dev/ttyUSB0");
}

bool isDeviceName(const QString&) {
    return true;
}

QString systemPortName(int) {
    return {};
}

bool deviceExists(const QString& device) {
    return QFileInfo::exists(device);
}

bool userMayOpen(const QString& device) {
    const QFileInfo info(device);
    return info.isReadable() && info.isWritable();
}

// The kernel lists its tty drivers with the device numbers each one serves.
bool isSerialLine(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISCHR(st.st_mode)) {
        return false;
    }
    const QByteArray list = readSystemFile(QStringLiteral("/proc/tty/drivers"), DriversBytes);
    if (list.isEmpty()) {
        return true;
    }
    for (const QByteArray& line : list.split('\n')) {
        if (drivesLine(line, major(st.st_rdev), minor(st.st_rdev))) {
            return true;
        }
    }
    return false;
}

}  // namespace rotaline
