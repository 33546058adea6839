#pragma once

#include <QStringList>
#include <optional>

#include "platform/SettingsStore.h"

namespace rotaline {

// The four most recently used settings files in the per-user store, slot 1 the newest.
class RecentFilesStore {
public:
    static constexpr int Slots = 4;

    explicit RecentFilesStore(SettingsStore& store) : store_(store) {}

    QString file(int slot) const;  // "" where the slot holds nothing
    // Puts `fileName` into slot 1, moving the files before `index` (or before slot 4) down one.
    void write(const QString& fileName, std::optional<int> index = std::nullopt);
    // The files of slots 1..4 that hold one, in slot order.
    QStringList files() const;

private:
    void setFile(int slot, const QString& fileName);

    SettingsStore& store_;
};

}  // namespace rotaline
