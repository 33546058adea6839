#pragma once

#include <QStringList>

#include "platform/SettingsStore.h"

namespace rotaline {

// The four most recently used settings files in the per-user store, slot 1 the newest.
class RecentFilesStore {
public:
    static constexpr int Slots = 4;

    explicit RecentFilesStore(SettingsStore& store) : store_(store) {}

    QString file(int slot) const;  // "" where the slot holds nothing
    // Puts `fileName` into slot 1 and the other files after it in their order, the oldest
    // dropping out. The list is read again first, since another instance may have changed it,
    // and a file stands in it only once.
    void write(const QString& fileName);
    // The files of slots 1..4 that hold one, in slot order.
    QStringList files() const;

private:
    void setFile(int slot, const QString& fileName);

    SettingsStore& store_;
};

}  // namespace rotaline
