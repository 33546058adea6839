#pragma once

#include <QString>

#include "model/Languages.h"
#include "platform/AdapterDiagnosis.h"

namespace rotaline {

// What the system shows about an adapter, in one sentence, and the one thing to do about it
// ("" for an adapter that works).
QString adapterCause(const AdapterFinding& finding, const Language& language);
QString adapterFix(const AdapterFinding& finding, const Language& language);
// The cause's name in the JSON report: "usable", "in-use", ...
QString causeName(const AdapterFinding& finding);
// For an adapter known by its USB socket: why, and that the cable must stay there.
QString socketNote(const Language& language);
// Whether this user may open serial devices through the group, and how to get there; "" where
// the system has no group to join.
QString standingText(GroupStanding standing, const Language& language);
// The chips the package's udev rule opens for the user at the desktop: "CH340, ... and PL2303".
QString ruleChips(const Language& language);
// What stands between two sentences: a blank, none in Chinese.
QString sentenceJoint(const Language& language);

}  // namespace rotaline
