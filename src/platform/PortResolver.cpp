#include "platform/PortResolver.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace rotaline {

namespace {

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

bool isAdapter(const QString& device) {
    const QString name = QFileInfo(device).fileName();
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

}  // namespace

PortResolver::PortResolver(const SettingsStore& store, PresentPorts present)
    : store_(store), present_(std::move(present)) {}

QString PortResolver::deviceFor(int portNumber) const {
    const QString chosen = store_.value(QLatin1String(settings::PortsSection),
                                        QStringLiteral("COM%1").arg(portNumber));
    if (!chosen.trimmed().isEmpty()) {
        return chosen.trimmed();
    }
    const QStringList devices = ordered(present_());
    return portNumber >= 1 && portNumber <= devices.size() ? devices[portNumber - 1] : QString();
}

QString PortResolver::describe(int portNumber) const {
    const QString device = deviceFor(portNumber);
    if (device.isEmpty()) {
        return QStringLiteral("COM%1: no serial device").arg(portNumber);
    }
    return QStringLiteral("COM%1: %2 (%3)")
        .arg(portNumber)
        .arg(device,
             QFileInfo::exists(device) ? QStringLiteral("present") : QStringLiteral("not present"));
}

QStringList PortResolver::ordered(QStringList devices) {
    std::sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        if (isAdapter(a) != isAdapter(b)) {
            return isAdapter(a);
        }
        return naturallyBefore(a, b);
    });
    return devices;
}

QStringList PortResolver::systemPorts() {
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices << info.systemLocation();
    }
    return devices;
}

}  // namespace rotaline
