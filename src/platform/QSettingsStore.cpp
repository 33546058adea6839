#include "platform/QSettingsStore.h"

namespace rotaline {

QSettingsStore::QSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Rotaline"),
                QStringLiteral("Rotaline")) {}

QString QSettingsStore::value(const QString& section, const QString& key) const {
    return settings_.value(section + '/' + key).toString();
}

void QSettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    settings_.setValue(section + '/' + key, value);
    settings_.sync();
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

}  // namespace rotaline
