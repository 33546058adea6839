#include "files/RecentFilesStore.h"

#include <algorithm>

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

void RecentFilesStore::write(const QString& fileName) {
    store_.exclusively([&] {
        QStringList newest = files();
        newest.removeAll(fileName);
        newest.prepend(fileName);
        for (int slot = 1; slot <= std::min<int>(newest.size(), Slots); ++slot) {
            setFile(slot, newest[slot - 1]);
        }
    });
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
