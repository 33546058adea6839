#pragma once

#include <QString>

#include "link/ProgrammingLink.h"
#include "model/Languages.h"

namespace rotaline {

// Why a port could not be used and how to fix the usual causes, for the lamp's tooltip; what
// was not sent goes out again by Send all, or once a model is chosen where `sendAll` is false.
QString portHelp(const LinkOutcome& outcome, int portNumber, const Language& language,
                 bool sendAll = true);
// Its first line alone: what went wrong, for the status bar.
QString portTrouble(const LinkOutcome& outcome, int portNumber, const Language& language);
// The button that gives the one adapter plugged in COM1.
QString adapterOfferText(const QString& adapter, const Language& language);

}  // namespace rotaline
