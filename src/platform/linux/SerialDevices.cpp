#include "platform/SerialDevices.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

#include "platform/linux/SystemFiles.h"

namespace rotaline {

namespace {

constexpr qint64 AttributeBytes = 256;

QString attribute(const QString& folder, const char* name) {
    return QString::fromUtf8(
               readSystemFile(folder + QLatin1Char('/') + QLatin1String(name), AttributeBytes))
        .trimmed();
}

}  // namespace

QByteArray readSystemFile(const QString& path, qint64 limit) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat status {};
    QByteArray bytes;
    if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        bytes.resize(limit);
        qsizetype done = 0;
        while (done < limit) {
            const ssize_t n = ::read(fd, bytes.data() + done, static_cast<size_t>(limit - done));
            if (n <= 0) {
                break;
            }
            done += n;
        }
        bytes.truncate(done);
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return bytes;
}

QString usbDeviceAbove(QString device, const QString& sys) {
    for (int up = 0; up < 4 && device.startsWith(sys) && device.size() > sys.size(); ++up) {
        if (QFileInfo::exists(device + QStringLiteral("/idVendor"))) {
            return device;
        }
        device = QFileInfo(device).path();
    }
    return {};
}

QString usbAttribute(const QString& usbDevice, const char* name) {
    return usbDevice.isEmpty() ? QString() : attribute(usbDevice, name);
}

QString usbIdentity(const QString& usb) {
    QStringList identity;
    for (const char* name : {"manufacturer", "product"}) {
        const QString part = usbAttribute(usb, name);
        if (!part.isEmpty() && !identity.contains(part)) {
            identity << part;
        }
    }
    if (const QString serial = usbAttribute(usb, "serial"); !serial.isEmpty()) {
        identity << QStringLiteral("#") + serial;
    }
    return identity.join(QLatin1Char(' '));
}

namespace {

// The drivers of USB serial adapters name their devices ttyUSB (a serial converter) and ttyACM
// (a modem class device); a board's own port is ttyS, ttyAMA, ...
bool onUsb(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

// "ttyUSB10" sorts after "ttyUSB2": names compare by their text, then by their number.
bool naturallyBefore(const QString& a, const QString& b) {
    static const QRegularExpression trailingNumber(QStringLiteral("^(.*?)(\\d*)$"));
    const QRegularExpressionMatch left = trailingNumber.match(a);
    const QRegularExpressionMatch right = trailingNumber.match(b);
    if (left.captured(1) != right.captured(1)) {
        return left.captured(1) < right.captured(1);
    }
    return left.captured(2).toULongLong() < right.captured(2).toULongLong();
}

// Adapters of one kind without serial numbers get one by-id name, which the one plugged in last
// takes: while two are present, each is known by the USB socket it is in.
void nameSharedAdaptersBySocket(QHash<QString, SerialDevice>& byPath,
                                const QHash<QString, QString>& usbOf, const QString& dev) {
    QHash<QString, int> kinds;
    const auto kindOf = [&usbOf](const QString& path) {
        const QString usb = usbOf.value(path);
        return usb.isEmpty() || !usbAttribute(usb, "serial").isEmpty()
                   ? QString()
                   : usbAttribute(usb, "idVendor") + ':' + usbAttribute(usb, "idProduct") + ':' +
                         usbAttribute(usb, "product");
    };
    for (const QString& path : byPath.keys()) {
        kinds[kindOf(path)] += 1;
    }
    for (auto it = byPath.begin(); it != byPath.end(); ++it) {
        const QString kind = kindOf(it.key());
        if (!kind.isEmpty() && kinds.value(kind) > 1) {
            it->stableName =
                PortResolver::stableNameOf(it.key(), dev + QStringLiteral("/serial/by-path"));
        }
    }
}

}  // namespace

QList<SerialDevice> presentSerialDevices(const DeviceFolders& folders) {
    const QString sys = QDir(folders.sys).canonicalPath();
    const QDir ttys(folders.sys + QStringLiteral("/class/tty"));
    QHash<QString, SerialDevice> byPath;
    QHash<QString, QString> usbOf;
    for (const QString& name : ttys.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString entry = ttys.filePath(name);
        const QString device = QFileInfo(entry + QStringLiteral("/device")).canonicalFilePath();
        const QString path = folders.dev + QLatin1Char('/') + name;
        // Every device lies under /sys/devices; a link that loops or leads elsewhere is none.
        if (!device.startsWith(sys + QStringLiteral("/devices/")) ||
            attribute(entry, "type") == QLatin1String("0") || !QFileInfo::exists(path)) {
            continue;
        }
        usbOf.insert(path, usbDeviceAbove(device, sys));
        byPath.insert(
            path,
            {path, PortResolver::stableNameOf(path, folders.dev + QStringLiteral("/serial/by-id")),
             usbIdentity(usbOf.value(path)), onUsb(path)});
    }
    nameSharedAdaptersBySocket(byPath, usbOf, folders.dev);
    // USB adapters first, then the others, each in natural name order.
    QList<SerialDevice> devices = byPath.values();
    std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return a.usb != b.usb ? a.usb : naturallyBefore(a.path, b.path);
    });
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

}  // namespace rotaline
