#include "platform/QSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "platform/SettingsFileChecks.h"

namespace rotaline {

namespace {

QString keyOf(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

}  // namespace

QSettingsStore::QSettingsStore() : file_(storeFile()), trouble_(troubleWith(file_)) {
    if (trouble_.file.isEmpty()) {
        settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
    }
}

QSettingsStore::~QSettingsStore() = default;

void QSettingsStore::onTrouble(std::function<void(const StoreTrouble&)> tell) {
    tell_ = std::move(tell);
    if (trouble_.unread) {
        troubled(trouble_);
    }
}

void QSettingsStore::troubled(const StoreTrouble& trouble) {
    trouble_ = trouble;
    if (!toldAll_ && tell_) {
        toldAll_ = true;
        tell_(trouble);
    }
}

QString QSettingsStore::value(const QString& section, const QString& key) const {
    return settings_ ? settings_->value(keyOf(section, key)).toString()
                     : memory_.value(keyOf(section, key));
}

// A value with a comma outside quotes reads as a list, which is no one text.
QString QSettingsStore::unreadable(const QString& section, const QString& key) const {
    if (trouble_.unread) {
        return QStringLiteral("The settings file %1 cannot be read: %2")
            .arg(QDir::toNativeSeparators(trouble_.file), trouble_.reason);
    }
    if (settings_ && settings_->value(keyOf(section, key)).userType() == QMetaType::QStringList) {
        return QStringLiteral(
                   "In the settings file %1, %2 holds a comma outside quotes, so it is "
                   "no single value.")
            .arg(QDir::toNativeSeparators(file_), key);
    }
    return {};
}

// The file or a lock beside it turned into something that would keep a sync waiting: from
// then on the values live in memory. Checked before a change, so that no change waits to be
// written when the file store is dropped.
bool QSettingsStore::keepInMemory() {
    if (!settings_) {
        return true;
    }
    const StoreTrouble trouble = troubleWith(file_);
    const QString lock = specialLock(file_);
    if (!trouble.unread && lock.isEmpty()) {
        return false;
    }
    for (const QString& key : settings_->allKeys()) {
        memory_.insert(key, settings_->value(key).toString());
    }
    settings_.reset();
    trouble_ = lock.isEmpty()
                   ? StoreTrouble{false, trouble.file, trouble.reason}
                   : StoreTrouble{false, lock, QStringLiteral("It is not a regular file.")};
    return true;
}

void QSettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    if (keepInMemory()) {
        memory_.insert(keyOf(section, key), value);
        troubled(trouble_);
        return;
    }
    settings_->setValue(keyOf(section, key), value);
    if (!holding_) {
        syncAndCheck();
    }
}

QList<QPair<QString, QString>> QSettingsStore::section(const QString& section) const {
    QList<QPair<QString, QString>> pairs;
    if (!settings_) {
        const QString prefix = section + QLatin1Char('/');
        for (auto it = memory_.lowerBound(prefix);
             it != memory_.end() && it.key().startsWith(prefix); ++it) {
            pairs.append({it.key().mid(prefix.size()), it.value()});
        }
        return pairs;
    }
    settings_->beginGroup(section);
    for (const QString& key : settings_->childKeys()) {
        pairs.append({key, settings_->value(key).toString()});
    }
    settings_->endGroup();
    return pairs;
}

void QSettingsStore::syncAndCheck() {
    settings_->sync();
    if (settings_->status() == QSettings::AccessError) {
        troubled({false, file_, reasonNotKept(file_)});
    }
}

// Another instance writes the same file: its changes are read in first, and a lock of our own
// beside the file (the store's own lock is taken inside every sync) keeps the two apart. A
// store that cannot be locked, such as one in a read-only folder, is changed all the same.
void QSettingsStore::exclusively(const std::function<void()>& change) {
    if (keepInMemory()) {
        change();
        return;
    }
    QDir().mkpath(QFileInfo(file_).path());
    QLockFile lock(file_ + QStringLiteral(".update-lock"));
    lock.tryLock(2000);
    settings_->sync();
    holding_ = true;
    change();
    holding_ = false;
    syncAndCheck();
}

}  // namespace rotaline
