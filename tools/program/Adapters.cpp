#include "program/Adapters.h"

#include "platform/AdapterDiagnosis.h"
#include "platform/PortResolver.h"
#include "platform/Printable.h"
#include "platform/QSettingsStore.h"
#include "program/Output.h"
#include "window/port/AdapterReport.h"

namespace rotaline {

int runAdaptersCommand(const Request& request) {
    if (const QString records = unreadableRecords(); !records.isEmpty()) {
        printError(filled(QStringLiteral("rotaline-program: %1 cannot be read"), {records}));
        return 2;
    }
    QList<AdapterFinding> findings = diagnoseAdapters();
    QSettingsStore settings;
    const PortResolver resolver(settings);
    findings << assignedElsewhere(findings, resolver,
                                  [](const QString& device) { return judgeAssigned(device); });
    const auto portOf = [&resolver](const QString& name) { return resolver.portOf(name); };
    const QByteArray report = request.json ? adaptersJson(findings, portOf)
                                           : adaptersText(findings, portOf, *request.language);
    printOut(report);
    return adaptersExitStatus(findings);
}

}  // namespace rotaline
