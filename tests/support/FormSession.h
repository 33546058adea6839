#pragma once

#include <QStringList>

namespace rotaline::testing {

// Plays session scripts on a form over a serial double and writes down what each step did.
//
// A script is lines: "== title" starts a new form with its lists filled, "> step" is what a
// user or the window does, "#" lines are comments. The result is the script with, after each
// step, one indented line for everything that step changed: each port operation and message
// sent, every message box, the note and trace boxes, each control whose visibility, enabling,
// selection, entries or lamp help changed, each slot of the block and the link's readiness.
// Captions are written only where a "show" step asks for them. Files named in steps live in
// `folder`.
QString playSessions(const QString& script, const QString& folder);

}  // namespace rotaline::testing
