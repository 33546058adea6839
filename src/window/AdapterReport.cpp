#include "window/AdapterReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>

#include "window/AdapterAdvice.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr Bilingual StableName{"stable name", "固定名称"};
constexpr Bilingual Assigned{"COM number", "COM口"};
constexpr Bilingual Unassigned{"none", "无"};
constexpr Bilingual State{"state", "状态"};
constexpr Bilingual Problem{"problem", "问题"};
constexpr Bilingual Fix{"fix", "解决"};
constexpr Bilingual NoDevice{"no serial device", "没有串口设备"};

// In the order of AdapterCause, for the JSON form.
constexpr std::array<const char*, 9> CauseNames{"usable",        "brltty",       "no-driver",
                                                "no-permission", "log-in-again", "modemmanager",
                                                "in-use",        "sandbox",      "nothing-plugged"};

QString numberOf(int port) {
    return port > 0 ? portName(port) : QString();
}

// "/dev/ttyUSB0: CH340 1a86:7523, QinHeng Electronics USB Serial"
QString headingOf(const AdapterFinding& f, bool chinese) {
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
    const QString device = f.device.isEmpty() ? NoDevice.in(chinese) : f.device;
    return heading.isEmpty() ? device : device + QStringLiteral(": ") + heading;
}

}  // namespace

QByteArray adaptersText(const QList<AdapterFinding>& findings,
                        const std::function<int(const QString&)>& portOf, bool chinese) {
    QStringList lines;
    const auto line = [&lines, chinese](const Bilingual& label, const QString& text) {
        lines << QStringLiteral("  ") + label.in(chinese) + QStringLiteral(": ") + text;
    };
    for (const AdapterFinding& f : findings) {
        lines << headingOf(f, chinese);
        if (!f.device.isEmpty()) {
            line(StableName, f.stableName);
            const QString port = numberOf(portOf(f.stableName));
            line(Assigned, port.isEmpty() ? Unassigned.in(chinese) : port);
        }
        if (f.usable()) {
            line(State,
                 adapterCause(f, chinese) +
                     (f.namedBySocket() ? (chinese ? "" : " ") + socketNote(chinese) : QString()));
        } else {
            line(Problem, adapterCause(f, chinese));
            line(Fix, adapterFix(f, chinese));
        }
    }
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
                            {"state", CauseNames[static_cast<size_t>(f.cause)]},
                            {"cause", adapterCause(f, false)},
                            {"fix", adapterFix(f, false)},
                            {"bySocket", f.namedBySocket()}};
        adapters.append(adapter);
    }
    return QJsonDocument(QJsonObject{{"adapters", adapters}}).toJson(QJsonDocument::Indented);
}

}  // namespace rotaline
