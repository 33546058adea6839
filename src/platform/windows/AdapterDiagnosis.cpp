#include "platform/AdapterDiagnosis.h"

#include <QSet>
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

AdapterFinding findingOf(const DeviceRecord& record) {
    AdapterFinding finding;
    finding.device = comPortName(record.port);
    finding.stableName = finding.device;
    finding.manufacturer = record.maker;
    finding.product = record.friendlyName;
    finding.serial = record.serial;
    finding.identity = QStringList{record.maker, record.friendlyName}.join(QLatin1Char(' '));
    if (!record.vendor.isEmpty() && !record.usbInstance.isEmpty()) {
        finding.usbIds = record.vendor + QLatin1Char(':') + record.product;
    }
    if (const AdapterChip* chip =
            adapterChip(record.vendor.toStdString(), record.product.toStdString())) {
        finding.chip = fromView(chip->name);
        finding.exactDrain = chip->exactDrain;
        finding.detail = fromView(chip->module);
    }
    // No driver installed (problem 28), one that would not start the device (10, also a maker's
    // newer driver refusing a counterfeit chip), or the device disabled (22): no working driver
    // has the device, and it makes no port.
    if (record.problem != 0) {
        finding.cause = AdapterCause::NoDriver;
    }
    return finding;
}

}  // namespace

SystemView SystemView::current() {
    return {};
}

// The device manager answers every user.
QString unreadableRecords(const SystemView&) {
    return {};
}

// The ports the device manager records, then USB devices of a known chip that made none.
QList<AdapterFinding> diagnoseAdapters(const SystemView&) {
    QList<AdapterFinding> findings;
    QSet<QString> seen;
    for (const DeviceRecord& record : serialPortRecords()) {
        if (comNumber(comPortName(record.port)) > 0) {
            findings << findingOf(record);
            seen << record.usbInstance;
        }
    }
    for (const DeviceRecord& record : usbDeviceRecords()) {
        if (!seen.contains(record.instance) &&
            adapterChip(record.vendor.toStdString(), record.product.toStdString()) != nullptr) {
            findings << findingOf(record);
            findings.last().device.clear();
            findings.last().stableName.clear();
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

std::optional<AdapterFinding> findingFor(const QString& device, const SystemView& view) {
    const QString port = deviceExists(device) ? comPortName(device) : QString();
    for (const AdapterFinding& finding : diagnoseAdapters(view)) {
        if (finding.device == port) {
            if (!finding.usable()) {
                return finding;
            }
        }
    }
    return std::nullopt;
}

// Windows names no holder and lets every user open a port: there, or not a serial line.
AdapterFinding judgeAssigned(const QString& device, const SystemView&) {
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
GroupStanding dialoutStanding(const SystemView&) {
    return GroupStanding::Member;
}

AdapterSurvey surveyAdapters(const SystemView& view) {
    return {diagnoseAdapters(view), GroupStanding::Member};
}

}  // namespace rotaline
