#pragma once

#include <QString>

#include "link/ProgrammingLink.h"
#include "model/Languages.h"

namespace rotaline {

// Why a port could not be used and how to fix the usual causes, for the lamp's tooltip.
QString portHelp(const LinkOutcome& outcome, int portNumber, const Language& language);
// Its first line alone: what went wrong, for the status bar.
QString portTrouble(const LinkOutcome& outcome, int portNumber, const Language& language);
// The button that gives the one adapter plugged in COM1.
QString adapterOfferText(const QString& adapter, const Language& language);

}  // namespace rotaline
