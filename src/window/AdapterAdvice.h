#pragma once

#include <QString>

#include "platform/AdapterDiagnosis.h"

namespace rotaline {

// What the system shows about an adapter, in one sentence, and the one thing to do about it
// ("" for an adapter that works).
QString adapterCause(const AdapterFinding& finding, bool chinese);
QString adapterFix(const AdapterFinding& finding, bool chinese);
// For an adapter known by its USB socket: why, and that the cable must stay there.
QString socketNote(bool chinese);
// Whether this user may open serial devices through the group, and how to get there.
QString standingText(GroupStanding standing, bool chinese);
// The chips the package's udev rule opens for the user at the desktop: "CH340, ... and PL2303".
QString ruleChips(bool chinese);

}  // namespace rotaline
