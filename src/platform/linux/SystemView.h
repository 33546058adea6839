#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "platform/AdapterDiagnosis.h"
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

// The diagnosis of AdapterDiagnosis.h, of what `view` shows.
QString unreadableRecords(const SystemView& view);
QList<AdapterFinding> diagnoseAdapters(const SystemView& view);
std::optional<AdapterFinding> findingFor(const QString& device, const SystemView& view);
AdapterFinding judgeAssigned(const QString& device, const SystemView& view);
AdapterSurvey surveyAdapters(const SystemView& view);
// Where this user stands with the group "dialout", which the serial devices belong to.
GroupStanding dialoutStanding(const SystemView& view);

}  // namespace rotaline
