#include "platform/AdapterDiagnosis.h"

#include <windows.h>
// clang-format off
#include <cfgmgr32.h>
// clang-format on

#include <QSet>
#include <QStringList>
#include <algorithm>

#include "model/AdapterChips.h"
#include "platform/DevicePath.h"
#include "platform/windows/ComPorts.h"
#include "platform/windows/DeviceRecords.h"

namespace rotaline {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The device manager's problem codes (cfg.h) and what each means to the user.
AdapterCause causeOf(const DeviceRecord& record, const QString& port) {
    switch (record.problem) {
        case 0:
            return port.isEmpty() ? AdapterCause::NoComPort : AdapterCause::Usable;
        case CM_PROB_FAILED_INSTALL:
            return AdapterCause::DriverMissing;
        case CM_PROB_DISABLED:
            return AdapterCause::Disabled;
        default:  // CM_PROB_FAILED_START, and a maker's newer driver refusing a copied chip
            return AdapterCause::DriverFailed;
    }
}

// `port` is the COM port the record stands for, "" for a USB device that made none.
AdapterFinding findingOf(const DeviceRecord& record, const QString& port) {
    AdapterFinding finding;
    finding.device = port;
    finding.stableName = finding.device;
    finding.manufacturer = record.maker;
    finding.product = record.friendlyName;
    finding.serial = record.serial;
    finding.identity = QStringList{record.maker, record.friendlyName}.join(QLatin1Char(' '));
    if (!record.vendor.isEmpty() && !record.usbInstance.isEmpty()) {
        finding.usbIds = record.vendor + QLatin1Char(':') + record.product;
        finding.usb = true;
    }
    const AdapterChip* chip =
        adapterChip(record.vendor.toStdString(), record.product.toStdString());
    if (chip != nullptr) {
        finding.chip = fromView(chip->name);
        finding.exactDrain = chip->exactDrain;
    }
    finding.detail = chip != nullptr ? fromView(chip->windowsDriver) : record.friendlyName;
    finding.cause = causeOf(record, port);
    return finding;
}

}  // namespace

QList<AdapterFinding> findingsFrom(const QList<DeviceRecord>& ports,
                                   const QList<DeviceRecord>& usbDevices) {
    QList<AdapterFinding> findings;
    QSet<QString> seen;
    for (const DeviceRecord& record : ports) {
        const QString port = comPortName(record.port);
        if (comNumber(port) > 0) {
            findings << findingOf(record, port);
            seen << record.usbInstance;
        }
    }
    for (const DeviceRecord& record : usbDevices) {
        if (!seen.contains(record.instance) &&
            adapterChip(record.vendor.toStdString(), record.product.toStdString()) != nullptr) {
            findings << findingOf(record, QString());
            seen << record.instance;
        }
    }
    if (std::none_of(findings.begin(), findings.end(),
                     [](const AdapterFinding& f) { return f.onUsb(); })) {
        findings << AdapterFinding{};
        findings.last().cause = AdapterCause::NothingPlugged;
    }
    return findings;
}

// The device manager answers every user.
QString unreadableRecords() {
    return {};
}

QList<AdapterFinding> diagnoseAdapters() {
    return findingsFrom(serialPortRecords(), usbDeviceRecords());
}

// A port keeps its record while its driver is not running (disabled, failed): the record says
// why it is not there. A port without one may be an adapter that made no port.
std::optional<AdapterFinding> findingFor(const QString& device) {
    const QList<AdapterFinding> findings = diagnoseAdapters();
    const auto troubleOf = [&findings](const QString& port) -> std::optional<AdapterFinding> {
        for (const AdapterFinding& finding : findings) {
            if (finding.device == port && !finding.usable()) {
                return finding;
            }
        }
        return std::nullopt;
    };
    if (const std::optional<AdapterFinding> own = troubleOf(comPortName(device))) {
        return own;
    }
    return deviceExists(device) ? std::nullopt : troubleOf(QString());
}

// Windows names no holder and lets every user open a port: there, or not a serial line.
AdapterFinding judgeAssigned(const QString& device) {
    AdapterFinding finding;
    finding.device = finding.stableName = device;
    const QString path = devicePath(device);
    if (!deviceExists(path)) {
        finding.cause = AdapterCause::Absent;
    } else if (!isSerialLine(path)) {
        finding.cause = AdapterCause::NotSerial;
    }
    return finding;
}

// Windows lets every user open the serial ports.
AdapterSurvey surveyAdapters() {
    return {diagnoseAdapters(), GroupStanding::NoGroup};
}

}  // namespace rotaline
