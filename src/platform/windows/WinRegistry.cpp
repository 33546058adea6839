#include "platform/windows/WinRegistry.h"

#include <windows.h>

#include <vector>

namespace rotaline {

WinRegistry::~WinRegistry() {
    for (void* key : std::as_const(keys_)) {
        RegCloseKey(static_cast<HKEY>(key));
    }
}

std::optional<Registry::Key> WinRegistry::open(std::uint32_t root, const QString& path,
                                               std::uint32_t) {
    HKEY key = nullptr;
    const auto rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root));
    if (RegOpenKeyExW(rootKey, reinterpret_cast<const wchar_t*>(path.utf16()), 0,
                      KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    keys_.insert(next_, key);
    return next_++;
}

// Texts come as the system's 8-bit code page, as the caller reads them; numbers as they are.
bool WinRegistry::query(Key key, const QString& name, int capacity, std::uint32_t* type,
                        QByteArray* data) {
    const auto found = keys_.constFind(key);
    if (found == keys_.constEnd()) {
        return false;
    }
    DWORD kind = 0;
    DWORD size = 0;
    const auto valueName = reinterpret_cast<const wchar_t*>(name.utf16());
    const auto hkey = static_cast<HKEY>(*found);
    if (RegQueryValueExW(hkey, valueName, nullptr, &kind, nullptr, &size) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<BYTE> bytes(size + sizeof(wchar_t));
    if (RegQueryValueExW(hkey, valueName, nullptr, &kind, bytes.data(), &size) != ERROR_SUCCESS) {
        return false;
    }
    *type = kind;
    if (kind == REG_SZ || kind == REG_EXPAND_SZ) {
        *data = QString::fromWCharArray(reinterpret_cast<const wchar_t*>(bytes.data()),
                                        static_cast<qsizetype>(size / sizeof(wchar_t)))
                    .toLocal8Bit();
    } else {
        *data = QByteArray(reinterpret_cast<const char*>(bytes.data()), size);
    }
    data->truncate(capacity);
    return true;
}

void WinRegistry::close(std::optional<Key> key) {
    if (key && keys_.contains(*key)) {
        RegCloseKey(static_cast<HKEY>(keys_.take(*key)));
    }
}

}  // namespace rotaline
