#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "platform/AdapterFinding.h"
#include "platform/SerialDevices.h"

namespace rotaline {

// A device node's owner and mode, and whether an access list grants this user more.
struct NodeOwner {
    bool exists = false;
    uint uid = 0;
    uint gid = 0;
    uint mode = 0;
    bool aclGrants = false;
    bool characterDevice = true;  // as a serial line's node is; a file or a pipe is no adapter
};

// What the diagnosis reads and who asks: the system's own by default, a made-up tree in tests.
struct SystemView {
    DeviceFolders folders;
    QString proc = QStringLiteral("/proc");
    QString groupFile = QStringLiteral("/etc/group");
    QString flatpakInfo = QStringLiteral("/.flatpak-info");
    QString snap;  // $SNAP
    uint uid = 0;
    QString user;
    QList<uint> sessionGroups;  // the groups this login session has, as getgroups() says
    std::function<NodeOwner(const QString& node)> owner;

    // This process's view of this machine.
    static SystemView current();
};

// Where the system keeps the records the diagnosis reads, when they cannot be read; "" when
// they can.
QString unreadableRecords(const SystemView& view = SystemView::current());

// Each serial device and each USB device of a known chip, usable or why not; with none, one
// finding that says why. Reads sysfs, /dev, /proc and the group database; opens no device.
QList<AdapterFinding> diagnoseAdapters(const SystemView& view = SystemView::current());

// Why `device` cannot be used: its own trouble when it is there, else what keeps adapters from
// showing at all; none when nothing explains it.
std::optional<AdapterFinding> findingFor(const QString& device,
                                         const SystemView& view = SystemView::current());

// A device given a COM number by hand that the system does not list (a pseudo-terminal, a
// device gone): whether it is there, a serial line, and one this user may open and no other
// program holds. Opens no device.
AdapterFinding judgeAssigned(const QString& device, const SystemView& view = SystemView::current());

// Where this user stands with the group serial devices belong to.
enum class GroupStanding { Root, Member, NotYetInSession, NotMember };
GroupStanding dialoutStanding(const SystemView& view = SystemView::current());

// Both, for the adapters window.
struct AdapterSurvey {
    QList<AdapterFinding> findings;
    GroupStanding standing = GroupStanding::Member;
};
AdapterSurvey surveyAdapters(const SystemView& view = SystemView::current());

}  // namespace rotaline
