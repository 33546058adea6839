#include "platform/windows/ComPorts.h"

#include <windows.h>

#include <QRegularExpression>
#include <algorithm>

namespace rotaline {

QStringList comPortsPresent() {
    QStringList ports;
    HKEY map = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &map) !=
        ERROR_SUCCESS) {
        return ports;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        wchar_t data[256];
        DWORD nameSize = 256;
        DWORD dataSize = sizeof(data);
        DWORD type = 0;
        const LONG result = RegEnumValueW(map, index, name, &nameSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataSize);
        if (result == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (result == ERROR_SUCCESS && type == REG_SZ) {
            ports << comPortName(QString::fromWCharArray(
                data, static_cast<qsizetype>(wcsnlen(data, dataSize / sizeof(wchar_t)))));
        }
    }
    RegCloseKey(map);
    std::sort(ports.begin(), ports.end(), [](const QString& a, const QString& b) {
        return comNumber(a) != comNumber(b) ? comNumber(a) < comNumber(b) : a < b;
    });
    return ports;
}

QString comPortName(const QString& name) {
    QString port = name.trimmed();
    if (port.startsWith(DevicePrefix)) {
        port = port.mid(DevicePrefix.size());
    }
    return comNumber(port) > 0 ? port.toUpper() : port;
}

// ASCII only: without Unicode properties, [0-9] takes no other script's digits, and no letter
// but c, o and m in either case matches.
int comNumber(const QString& name) {
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]{0,2})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = com.match(name);
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    return number <= MaxComNumber ? number : 0;
}

}  // namespace rotaline
