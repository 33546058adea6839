#include "platform/windows/SystemError.h"

#include <windows.h>

namespace rotaline {

QString systemMessage(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString message = length == 0 ? QStringLiteral("Windows error %1").arg(code)
                                        : QString::fromWCharArray(text, length).trimmed();
    LocalFree(text);
    return message;
}

QString lastSystemMessage() {
    return systemMessage(GetLastError());
}

}  // namespace rotaline
