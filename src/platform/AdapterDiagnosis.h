#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "platform/AdapterFinding.h"

namespace rotaline {

// Where the system keeps the records the diagnosis reads, when they cannot be read; "" when
// they can.
QString unreadableRecords();

// Each serial device and each USB device of a known chip, usable or why not; with none, one
// finding that says why. Reads the system's own records; opens no device.
QList<AdapterFinding> diagnoseAdapters();

// Why `device` cannot be used: its own trouble when it is there, else what keeps adapters from
// showing at all; none when nothing explains it.
std::optional<AdapterFinding> findingFor(const QString& device);

// A device given a COM number by hand that the system does not list (a pseudo-terminal, a
// device gone): whether it is there, a serial line, and one this user may open and no other
// program holds. Opens no device.
AdapterFinding judgeAssigned(const QString& device);

// Where this user stands with the group serial devices belong to; NoGroup where the system
// lets every user open them.
enum class GroupStanding { Root, Member, NotYetInSession, NotMember, NoGroup };

// Both, for the adapters window.
struct AdapterSurvey {
    QList<AdapterFinding> findings;
    GroupStanding standing = GroupStanding::Member;
};
AdapterSurvey surveyAdapters();

}  // namespace rotaline
