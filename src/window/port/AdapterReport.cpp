#include "window/port/AdapterReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>

#include "platform/Printable.h"
#include "window/port/AdapterAdvice.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"AdapterReport"};

constexpr const char* StableName = QT_TRANSLATE_NOOP("AdapterReport", "stable name");
constexpr const char* Assigned = QT_TRANSLATE_NOOP("AdapterReport", "COM number");
constexpr const char* Unassigned = QT_TRANSLATE_NOOP("AdapterReport", "none");
constexpr const char* State = QT_TRANSLATE_NOOP("AdapterReport", "state");
constexpr const char* Problem = QT_TRANSLATE_NOOP("AdapterReport", "problem");
constexpr const char* Fix = QT_TRANSLATE_NOOP("AdapterReport", "fix");
constexpr const char* NoDevice = QT_TRANSLATE_NOOP("AdapterReport", "no serial device");

QString numberOf(int port) {
    return port > 0 ? portName(port) : QString();
}

// The device, then its chip, USB ids and identity: "<device>: CH340 1a86:7523, QinHeng
// Electronics USB Serial"
QString headingOf(const AdapterFinding& f, const Language& language) {
    QStringList what;
    for (const QString& part : {f.chip, f.usbIds}) {
        if (!part.isEmpty()) {
            what << part;
        }
    }
    QString heading = what.join(QLatin1Char(' '));
    if (!f.identity.isEmpty()) {
        heading += (heading.isEmpty() ? QString() : QStringLiteral(", ")) + f.identity;
    }
    const QString device = f.device.isEmpty() ? catalogue(language, NoDevice) : f.device;
    return heading.isEmpty() ? device : device + QStringLiteral(": ") + heading;
}

}  // namespace

bool listed(const QList<AdapterFinding>& findings, const QString& device) {
    return std::any_of(findings.begin(), findings.end(), [&device](const AdapterFinding& f) {
        return !f.device.isEmpty() && (f.stableName == device || f.device == device);
    });
}

QList<AdapterFinding> assignedElsewhere(
    const QList<AdapterFinding>& findings, const PortResolver& resolver,
    const std::function<AdapterFinding(const QString&)>& judge) {
    QList<AdapterFinding> assigned;
    for (int n = 1; n <= PortCount; ++n) {
        const QString device = resolver.deviceFor(n);
        if (!device.isEmpty() && !listed(findings, device) && !listed(assigned, device)) {
            assigned << judge(device);
        }
    }
    return assigned;
}

QByteArray adaptersText(const QList<AdapterFinding>& findings,
                        const std::function<int(const QString&)>& portOf,
                        const Language& language) {
    QStringList lines;
    const auto line = [&lines, language](const char* label, const QString& text) {
        lines << QStringLiteral("  ") + catalogue(language, label) + QStringLiteral(": ") + text;
    };
    for (const AdapterFinding& f : findings) {
        lines << headingOf(f, language);
        if (!f.device.isEmpty()) {
            line(StableName, f.stableName);
            const QString port = numberOf(portOf(f.stableName));
            line(Assigned, port.isEmpty() ? catalogue(language, Unassigned) : port);
        }
        if (f.usable()) {
            line(State, adapterCause(f, language) +
                            (f.namedBySocket() ? sentenceJoint(language) + socketNote(language)
                                               : QString()));
        } else {
            line(Problem, adapterCause(f, language));
            line(Fix, adapterFix(f, language));
        }
    }
    // What a device says of itself, its names and the programs named come from outside.
    std::transform(lines.begin(), lines.end(), lines.begin(), printable);
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

int adaptersExitStatus(const QList<AdapterFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const AdapterFinding& f) { return f.usableAdapter(); })
               ? 0
               : 1;
}

QByteArray adaptersJson(const QList<AdapterFinding>& findings,
                        const std::function<int(const QString&)>& portOf) {
    QJsonArray adapters;
    for (const AdapterFinding& f : findings) {
        QJsonObject adapter{{"device", f.device},
                            {"stableName", f.stableName},
                            {"chip", f.chip},
                            {"usb", f.usbIds},
                            {"manufacturer", f.manufacturer},
                            {"product", f.product},
                            {"serial", f.serial},
                            {"exactDrain", f.exactDrain},
                            {"port", numberOf(f.device.isEmpty() ? 0 : portOf(f.stableName))},
                            {"state", causeName(f)},
                            {"cause", adapterCause(f, English)},
                            {"fix", adapterFix(f, English)},
                            {"bySocket", f.namedBySocket()}};
        adapters.append(adapter);
    }
    return printableJson(QJsonDocument(QJsonObject{{"adapters", adapters}}));
}

}  // namespace rotaline
