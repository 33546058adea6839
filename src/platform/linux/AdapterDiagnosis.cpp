#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <vector>

#include "model/AdapterChips.h"
#include "platform/DevicePath.h"
#include "platform/PortHolders.h"
#include "platform/linux/SystemFiles.h"
#include "platform/linux/SystemView.h"

namespace rotaline {

namespace {

constexpr qint64 GroupFileBytes = 4 * 1024 * 1024;

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct Group {
    QString name;
    uint gid = 0;
    QStringList members;
};

// The group database as /etc/group writes it: "name:password:gid:member,member".
QList<Group> readGroups(const QString& file) {
    QList<Group> groups;
    for (const QByteArray& line : readSystemFile(file, GroupFileBytes).split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(':');
        if (fields.size() == 4 && !fields[0].isEmpty()) {
            groups << Group{QString::fromUtf8(fields[0]), fields[2].toUInt(),
                            QString::fromUtf8(fields[3]).split(',', Qt::SkipEmptyParts)};
        }
    }
    return groups;
}

std::optional<Group> groupWhere(const QList<Group>& groups,
                                const std::function<bool(const Group&)>& fits) {
    const auto found = std::find_if(groups.begin(), groups.end(), fits);
    return found == groups.end() ? std::nullopt : std::optional<Group>(*found);
}

bool mayOpen(const NodeOwner& node, const SystemView& view) {
    return view.uid == 0 || node.aclGrants ||
           (node.uid == view.uid && (node.mode & 0600) == 0600) ||
           (view.sessionGroups.contains(node.gid) && (node.mode & 060) == 060) ||
           (node.mode & 06) == 06;
}

// A device node present: whether this user may open it, and whether another program has.
void judgeNode(AdapterFinding& finding, const NodeOwner& node, const SystemView& view) {
    if (!mayOpen(node, view)) {
        const std::optional<Group> group = groupWhere(
            readGroups(view.groupFile), [&node](const Group& g) { return g.gid == node.gid; });
        finding.detail = group ? group->name : QString::number(node.gid);
        finding.cause = group && group->members.contains(view.user) ? AdapterCause::LogInAgain
                                                                    : AdapterCause::NoPermission;
    } else if (const std::optional<PortHolder> holder = otherHolderOf(finding.device, view.proc)) {
        finding.cause = holder->program == QLatin1String("ModemManager") ? AdapterCause::Probed
                                                                         : AdapterCause::Busy;
        finding.detail = holder->program;
        finding.pid = holder->pid;
    }
}

QString driverOf(const QString& folder) {
    return QFileInfo(QFile::symLinkTarget(folder + QStringLiteral("/driver"))).fileName();
}

// The USB device's chip and what identifies it; `driver` names a chip of a device class.
void describeUsb(AdapterFinding& finding, const QString& usb, const QString& driver) {
    finding.manufacturer = usbAttribute(usb, "manufacturer");
    finding.product = usbAttribute(usb, "product");
    finding.serial = usbAttribute(usb, "serial");
    finding.identity = usbIdentity(usb);
    const QString vendor = usbAttribute(usb, "idVendor");
    const QString product = usbAttribute(usb, "idProduct");
    finding.usbIds = vendor.isEmpty() ? QString() : vendor + ':' + product;
    finding.usb = !usb.isEmpty();
    if (const AdapterChip* chip =
            adapterChip(vendor.toStdString(), product.toStdString(), driver.toStdString())) {
        finding.chip = fromView(chip->name);
        finding.exactDrain = chip->exactDrain;
    }
}

// The USB folder and the interface driver behind a tty of /sys/class/tty.
std::pair<QString, QString> usbBehind(const QString& tty, const QString& sys) {
    const QString device = QFileInfo(tty + QStringLiteral("/device")).canonicalFilePath();
    // A USB serial port (ttyUSB) sits under its interface, a modem-class tty is the interface.
    const QString interface =
        QFileInfo(device).fileName().contains(':') ? device : QFileInfo(device).path();
    return {usbDeviceAbove(device, sys), driverOf(interface)};
}

// A USB device of a known chip for which the system made no serial device: why not.
std::optional<AdapterFinding> judgeUsbOnly(const QString& usb) {
    const AdapterChip* chip = adapterChip(usbAttribute(usb, "idVendor").toStdString(),
                                          usbAttribute(usb, "idProduct").toStdString());
    if (chip == nullptr) {
        return std::nullopt;  // a mouse, a disk, a camera...
    }
    QStringList drivers;
    const QString name = QFileInfo(usb).fileName();
    for (const QString& entry : QDir(usb).entryList({name + QStringLiteral(":*")}, QDir::Dirs)) {
        drivers << driverOf(usb + QLatin1Char('/') + entry);
    }
    AdapterFinding finding;
    describeUsb(finding, usb, QString());
    // brltty claims the interface through usbfs to drive it from user space.
    if (drivers.contains(QStringLiteral("usbfs"))) {
        finding.cause = AdapterCause::Claimed;
    } else if (!drivers.contains(fromView(chip->driver))) {
        finding.cause = AdapterCause::NoDriver;
        finding.detail = fromView(chip->module);
    } else {
        return std::nullopt;  // its node is still being made, or a sandbox hides it
    }
    return finding;
}

// Two adapters of one kind without serial numbers are each named by their USB socket.
bool namedBySocket(const QString& stableName) {
    return stableName.contains(QLatin1String("/serial/by-path/"));
}

QString sandboxFix(const SystemView& view) {
    if (QFileInfo::exists(view.flatpakInfo)) {
        return QStringLiteral("flatpak override --user --device=all org.rotaline.rotaline");
    }
    return view.snap.isEmpty() ? QString() : QStringLiteral("sudo snap connect rotaline:raw-usb");
}

}  // namespace

SystemView SystemView::current() {
    SystemView view;
    view.snap = qEnvironmentVariable("SNAP");
    view.uid = ::getuid();
    if (const passwd* entry = ::getpwuid(view.uid)) {
        view.user = QString::fromLocal8Bit(entry->pw_name);
    }
    std::vector<gid_t> groups(static_cast<size_t>(std::max(0, ::getgroups(0, nullptr))));
    groups.resize(static_cast<size_t>(
        std::max(0, ::getgroups(static_cast<int>(groups.size()), groups.data()))));
    groups.push_back(::getegid());
    view.sessionGroups = QList<uint>(groups.begin(), groups.end());
    view.owner = [](const QString& node) {
        const QByteArray path = QFile::encodeName(node);
        struct stat status {};
        if (::stat(path.constData(), &status) != 0) {
            return NodeOwner{};
        }
        // An access list (udev's uaccess) shows only in what access() allows.
        return NodeOwner{true,
                         status.st_uid,
                         status.st_gid,
                         status.st_mode & 07777U,
                         ::access(path.constData(), R_OK | W_OK) == 0,
                         S_ISCHR(status.st_mode)};
    };
    return view;
}

QString unreadableRecords(const SystemView& view) {
    const QString ttys = view.folders.sys + QStringLiteral("/class/tty");
    return QDir(ttys).exists() ? QString() : ttys;
}

QList<AdapterFinding> diagnoseAdapters(const SystemView& view) {
    const QString sys = QDir(view.folders.sys).canonicalPath();
    QList<AdapterFinding> findings;
    QSet<QString> seen;
    for (const SerialDevice& device : presentSerialDevices(view.folders)) {
        const NodeOwner node = view.owner(QFileInfo(device.path).canonicalFilePath());
        if (!node.characterDevice) {
            continue;  // a file or a pipe put where the node should be
        }
        const auto [usb, driver] = usbBehind(
            view.folders.sys + QStringLiteral("/class/tty/") + QFileInfo(device.path).fileName(),
            sys);
        AdapterFinding finding;
        finding.device = device.path;
        finding.stableName = device.stableName;
        finding.bySocket = namedBySocket(device.stableName);
        describeUsb(finding, usb, driver);
        judgeNode(finding, node, view);
        findings << finding;
        seen << usb;
    }
    const QString sandbox = sandboxFix(view);
    const QDir usbDevices(view.folders.sys + QStringLiteral("/bus/usb/devices"));
    for (const QString& name : usbDevices.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString usb = QFileInfo(usbDevices.filePath(name)).canonicalFilePath();
        if (!seen.contains(usb) && QFileInfo::exists(usb + QStringLiteral("/idVendor"))) {
            if (std::optional<AdapterFinding> finding = judgeUsbOnly(usb)) {
                findings << *finding;
            }
        }
    }
    // Nothing on USB at all, or a sandbox that hides what is there: said once, without a device.
    const auto any = [&findings](bool (AdapterFinding::*test)() const) {
        return std::any_of(findings.begin(), findings.end(),
                           [test](const AdapterFinding& f) { return (f.*test)(); });
    };
    if (!sandbox.isEmpty() && !any(&AdapterFinding::usableAdapter)) {
        findings << AdapterFinding{};
        findings.last().cause = AdapterCause::Sandbox;
        findings.last().detail = sandbox;
    } else if (!any(&AdapterFinding::onUsb)) {
        findings << AdapterFinding{};
        findings.last().cause = AdapterCause::NothingPlugged;
    }
    return findings;
}

std::optional<AdapterFinding> findingFor(const QString& device, const SystemView& view) {
    const QList<AdapterFinding> findings = diagnoseAdapters(view);
    const QString node = QFileInfo(device).canonicalFilePath();
    for (const AdapterFinding& finding : findings) {
        if (!node.isEmpty() ? QFileInfo(finding.device).canonicalFilePath() == node
                            : finding.device.isEmpty()) {
            if (!finding.usable()) {
                return finding;
            }
        }
    }
    return std::nullopt;
}

AdapterFinding judgeAssigned(const QString& device, const SystemView& view) {
    AdapterFinding finding;
    finding.device = finding.stableName = device;
    finding.bySocket = namedBySocket(device);
    const QString path = devicePath(device);
    if (!QFileInfo::exists(path)) {
        finding.cause = AdapterCause::Absent;
    } else if (!isSerialLine(path)) {
        finding.cause = AdapterCause::NotSerial;
    } else {
        judgeNode(finding, view.owner(QFileInfo(path).canonicalFilePath()), view);
    }
    return finding;
}

AdapterSurvey surveyAdapters(const SystemView& view) {
    return {diagnoseAdapters(view), dialoutStanding(view)};
}

GroupStanding dialoutStanding(const SystemView& view) {
    if (view.uid == 0) {
        return GroupStanding::Root;
    }
    const std::optional<Group> dialout =
        groupWhere(readGroups(view.groupFile), [](const Group& g) { return g.name == "dialout"; });
    if (dialout && view.sessionGroups.contains(dialout->gid)) {
        return GroupStanding::Member;
    }
    return dialout && dialout->members.contains(view.user) ? GroupStanding::NotYetInSession
                                                           : GroupStanding::NotMember;
}

QString unreadableRecords() {
    return unreadableRecords(SystemView::current());
}

QList<AdapterFinding> diagnoseAdapters() {
    return diagnoseAdapters(SystemView::current());
}

std::optional<AdapterFinding> findingFor(const QString& device) {
    return findingFor(device, SystemView::current());
}

AdapterFinding judgeAssigned(const QString& device) {
    return judgeAssigned(device, SystemView::current());
}

AdapterSurvey surveyAdapters() {
    return surveyAdapters(SystemView::current());
}

}  // namespace rotaline
