#include "platform/SerialDevices.h"

#include <grp.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace rotaline {

namespace {

QString attribute(const QString& folder, const char* name) {
    QFile file(folder + QLatin1Char('/') + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(256)).trimmed() : QString();
}

// The maker, product and serial number of the USB device above `device`, as far as known.
QString identityOf(QString device, const QString& sys) {
    for (int up = 0; up < 4 && device.startsWith(sys) && device.size() > sys.size(); ++up) {
        if (QFileInfo::exists(device + QStringLiteral("/idVendor"))) {
            QStringList identity;
            for (const char* name : {"manufacturer", "product"}) {
                const QString part = attribute(device, name);
                if (!part.isEmpty() && !identity.contains(part)) {
                    identity << part;
                }
            }
            if (const QString serial = attribute(device, "serial"); !serial.isEmpty()) {
                identity << QStringLiteral("#") + serial;
            }
            return identity.join(QLatin1Char(' '));
        }
        device = QFileInfo(device).path();
    }
    return {};
}

}  // namespace

QList<SerialDevice> presentSerialDevices(const DeviceFolders& folders) {
    const QString sys = QDir(folders.sys).canonicalPath();
    const QDir ttys(folders.sys + QStringLiteral("/class/tty"));
    QHash<QString, SerialDevice> byPath;
    for (const QString& name : ttys.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString entry = ttys.filePath(name);
        const QString device = QFileInfo(entry + QStringLiteral("/device")).canonicalFilePath();
        const QString path = folders.dev + QLatin1Char('/') + name;
        if (device.isEmpty() || attribute(entry, "type") == QLatin1String("0") ||
            !QFileInfo::exists(path)) {
            continue;
        }
        byPath.insert(
            path,
            {path, PortResolver::stableNameOf(path, folders.dev + QStringLiteral("/serial/by-id")),
             identityOf(device, sys)});
    }
    QList<SerialDevice> devices;
    for (const QString& path : PortResolver::ordered(byPath.keys())) {
        devices << byPath.value(path);
    }
    return devices;
}

QString readableDeviceName(const QString& device, const QString& dev) {
    const QString byId = dev + QStringLiteral("/serial/by-id/");
    if (device.startsWith(byId)) {
        QString name = device.mid(byId.size());
        name.remove(QRegularExpression(QStringLiteral("^usb-")));
        name.remove(QRegularExpression(QStringLiteral("-if\\d+(-port\\d+)?$")));
        return name;
    }
    return device.startsWith(dev + QLatin1Char('/')) ? device.mid(dev.size() + 1) : device;
}

bool mayOpenSerialDevices() {
    const group* dialout = ::getgrnam("dialout");
    if (::geteuid() == 0 || dialout == nullptr) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<size_t>(std::max(0, ::getgroups(0, nullptr))));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    groups.resize(static_cast<size_t>(std::max(0, count)));
    groups.push_back(::getegid());
    return std::find(groups.begin(), groups.end(), dialout->gr_gid) != groups.end();
}

}  // namespace rotaline
