#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

#include "model/Languages.h"
#include "platform/AdapterFinding.h"
#include "platform/PortResolver.h"

namespace rotaline {

// The adapters as a person pastes them into a forum post, whole and plain, or as JSON: each
// with its device, stable name, chip, maker, product, serial number, COM number and state, and
// each problem with its cause and fix. `portOf` gives a stable name's COM number (0: none).
QByteArray adaptersText(const QList<AdapterFinding>& findings,
                        const std::function<int(const QString&)>& portOf, const Language& language);
// The devices given a COM number that `findings` do not list, each as `judge` finds it.
QList<AdapterFinding> assignedElsewhere(const QList<AdapterFinding>& findings,
                                        const PortResolver& resolver,
                                        const std::function<AdapterFinding(const QString&)>& judge);
// 0 when an adapter on USB can be used, else 1.
int adaptersExitStatus(const QList<AdapterFinding>& findings);
QByteArray adaptersJson(const QList<AdapterFinding>& findings,
                        const std::function<int(const QString&)>& portOf);

}  // namespace rotaline
