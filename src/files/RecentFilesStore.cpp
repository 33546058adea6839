#include "files/RecentFilesStore.h"

namespace rotaline {

namespace {

QString keyOf(int slot) {
    return QLatin1String(settings::RecentFileKey) + QString::number(slot);
}

}  // namespace

QString RecentFilesStore::file(int slot) const {
    return store_.value(QLatin1String(settings::RecentFilesSection), keyOf(slot));
}

void RecentFilesStore::setFile(int slot, const QString& fileName) {
    store_.setValue(QLatin1String(settings::RecentFilesSection), keyOf(slot), fileName);
}

void RecentFilesStore::write(const QString& fileName, std::optional<int> index) {
    const int start = index ? *index - 1 : Slots - 1;
    for (int slot = start; slot >= 1; --slot) {
        const QString moved = file(slot);
        if (!moved.isEmpty()) {
            setFile(slot + 1, moved);
        }
    }
    setFile(1, fileName);
}

QStringList RecentFilesStore::files() const {
    QStringList files;
    for (int slot = 1; slot <= Slots; ++slot) {
        if (const QString name = file(slot); !name.isEmpty()) {
            files << name;
        }
    }
    return files;
}

}  // namespace rotaline
