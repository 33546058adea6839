#include "platform/QSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace rotaline {

QSettingsStore::QSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Rotaline"),
                QStringLiteral("Rotaline")) {}

QString QSettingsStore::value(const QString& section, const QString& key) const {
    return settings_.value(section + '/' + key).toString();
}

void QSettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    settings_.setValue(section + '/' + key, value);
    if (!holding_) {
        settings_.sync();
    }
}

QList<QPair<QString, QString>> QSettingsStore::section(const QString& section) const {
    QList<QPair<QString, QString>> pairs;
    settings_.beginGroup(section);
    for (const QString& key : settings_.childKeys()) {
        pairs.append({key, settings_.value(key).toString()});
    }
    settings_.endGroup();
    return pairs;
}

// Another instance writes the same file: its changes are read in first, and a lock of our own
// beside the file (the store's own lock is taken inside every sync) keeps the two apart. A
// store that cannot be locked, such as one in a read-only folder, is changed all the same.
void QSettingsStore::exclusively(const std::function<void()>& change) {
    const QString file = settings_.fileName();
    QDir().mkpath(QFileInfo(file).path());
    QLockFile lock(file + QStringLiteral(".update-lock"));
    lock.tryLock(2000);
    settings_.sync();
    holding_ = true;
    change();
    holding_ = false;
    settings_.sync();
}

}  // namespace rotaline
