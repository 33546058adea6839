#include "platform/PortHolders.h"

// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include <QRegularExpression>

namespace rotaline {

// Windows does not tell which program holds a port: the open fails with access denied, and
// that is all anyone learns.
HolderSearch searchHolders(const QString&, const QString&) {
    return {};
}

std::optional<PortHolder> otherHolderOf(const QString&, const QString&) {
    return std::nullopt;
}

// By the name of the program's file, without ".exe".
bool isRunning(const QString& program, const QString&) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return false;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry)) {
        QString name = QString::fromWCharArray(entry.szExeFile);
        name.remove(QRegularExpression(QStringLiteral("\\.exe$"),
                                       QRegularExpression::CaseInsensitiveOption));
        found = name.compare(program, Qt::CaseInsensitive) == 0;
    }
    CloseHandle(snapshot);
    return found;
}

}  // namespace rotaline
