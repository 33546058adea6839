#include "platform/QSettingsStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>
#include <cstring>

namespace rotaline {

namespace {

constexpr qint64 MaxFileBytes = 64 * 1024;  // as settings files: many times what it holds

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The lock files beside the store: the one taken inside every sync, and our own.
QStringList lockFiles(const QString& file) {
    return {file + QStringLiteral(".lock"), file + QStringLiteral(".update-lock")};
}

// A lock file that is there and not a regular file, which taking the lock would open and wait
// on for ever; "" when there is none.
QString specialLock(const QString& file) {
    for (const QString& lock : lockFiles(file)) {
        struct stat st {};
        if (::stat(QFile::encodeName(lock).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
            return lock;
        }
    }
    return {};
}

// Where the file belongs; "" when there is no folder for it. A relative XDG_CONFIG_HOME is
// ignored, as the base directory rules say.
QString storeFile() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString home = qEnvironmentVariable("HOME");
    const QString base = QDir::isAbsolutePath(xdg)    ? xdg
                         : QDir::isAbsolutePath(home) ? home + QStringLiteral("/.config")
                                                      : QString();
    return base.isEmpty() ? QString() : base + QStringLiteral("/Rotaline/Rotaline.conf");
}

// Why the file at `file` is not to be read, or why nothing can be kept there; none when it
// can be opened without waiting (a FIFO or a device would keep the open waiting for ever).
StoreTrouble troubleWith(const QString& file) {
    if (file.isEmpty()) {
        return {false, QStringLiteral("$HOME/.config/Rotaline/Rotaline.conf"),
                QStringLiteral("HOME is not set, so there is no folder for settings.")};
    }
    const QByteArray name = QFile::encodeName(file);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        return {false, errno == ENOENT ? QString() : file, reasonOf(errno)};
    }
    if (!S_ISREG(st.st_mode)) {
        return {true, file,
                S_ISDIR(st.st_mode) ? QStringLiteral("It is a folder.")
                                    : QStringLiteral("It is not a regular file.")};
    }
    if (st.st_size > MaxFileBytes) {
        return {true, file, QStringLiteral("It is larger than 64 KiB.")};
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return {true, file, reasonOf(errno)};
    }
    ::close(fd);
    return {};
}

// Why a change did not reach the file.
QString reasonNotKept(const QString& file) {
    const QByteArray folder = QFile::encodeName(QFileInfo(file).path());
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0) {
        return reasonOf(errno);
    }
    if (::faccessat(AT_FDCWD, QFile::encodeName(file).constData(), W_OK, AT_EACCESS) != 0 &&
        errno != ENOENT) {
        return reasonOf(errno);
    }
    return QStringLiteral("The file could not be written.");
}

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
            .arg(trouble_.file, trouble_.reason);
    }
    if (settings_ && settings_->value(keyOf(section, key)).userType() == QMetaType::QStringList) {
        return QStringLiteral(
                   "In the settings file %1, %2 holds a comma outside quotes, so it is "
                   "no single value.")
            .arg(file_, key);
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
