#include "program/Adapters.h"

#include <QDir>
#include <cstdio>

#include "platform/AdapterDiagnosis.h"
#include "platform/PortResolver.h"
#include "platform/QSettingsStore.h"
#include "program/Output.h"
#include "window/AdapterReport.h"

namespace rotaline {

int runAdaptersCommand(const Request& request) {
    const SystemView view = SystemView::current();
    const QString ttys = view.folders.sys + QStringLiteral("/class/tty");
    if (!QDir(ttys).exists()) {
        std::fprintf(stderr, "rotaline-program: %s cannot be read\n", qPrintable(ttys));
        return 2;
    }
    QList<AdapterFinding> findings = diagnoseAdapters(view);
    QSettingsStore settings;
    const PortResolver resolver(settings);
    findings << assignedElsewhere(
        findings, resolver, [&view](const QString& device) { return judgeAssigned(device, view); });
    const auto portOf = [&resolver](const QString& name) { return resolver.portOf(name); };
    const QByteArray report = request.json ? adaptersJson(findings, portOf)
                                           : adaptersText(findings, portOf, *request.language);
    printOut(report);
    return adaptersExitStatus(findings);
}

}  // namespace rotaline
