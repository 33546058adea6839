#include "platform/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>
#include <utility>

#include "platform/OpenFile.h"
#include "platform/RegularFiles.h"
#include "platform/SettingsFileChecks.h"

namespace rotaline {

namespace {

constexpr qint64 MaxStoreBytes = 64 * 1024;  // as settings files: many times what it holds
constexpr std::chrono::milliseconds StoreLockWait{2000};
// The copies' folders in the temporary folder, each with a file locked while its store lives.
const QString CopiesPrefix = QStringLiteral("rotaline-settings-");
const QString AliveMark = QStringLiteral("alive");
constexpr int MaxCopiesSwept = 16;
constexpr int SweptAfterSeconds = 60;  // a folder so young may be a starting store's

QString keyOf(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

// Why the file at `file` is not to be read, or why nothing can be kept there; none (no file
// named) when it is a regular file that can be read without waiting, or is not there. With
// `bytes`, what it holds is read into it, from the very file found regular.
StoreTrouble troubleWith(const QString& file, QByteArray* bytes = nullptr) {
    if (file.isEmpty()) {
        return noStoreFolder();
    }
    const OpenFile opened(file, system::Open::Read, MaxStoreBytes);
    int problem = opened.problem();
    if (problem == 0 && bytes != nullptr) {
        // A byte past the bound: one grown since it was opened is refused as well.
        *bytes = opened.read(0, MaxStoreBytes + 1, &problem);
        if (bytes->size() > MaxStoreBytes) {
            problem = FileProblem::TooLarge;
        }
    }
    if (problem == FileProblem::NoSuchFile) {
        return {};
    }
    return {problem < 0 || opened.unopened(), problem != 0 ? file : QString(), fileReason(problem)};
}

// The lock beside the file, when it is there and not a regular file, which taking the lock
// would open; "" when there is none.
QString specialLock(const QString& file) {
    const QString lock = file + QStringLiteral(".update-lock");
    system::FileStatus status;
    return system::statusOfPath(lock, true, &status) == 0 && !status.regular ? lock : QString();
}

// The copies' folders that stores killed on their way left behind (their lock let go), a few
// at each start; only folders of this user's, and in them only the copies and the lock.
void sweepKilledStoresCopies(const QString& own) {
    const QFileInfo ours(own);
    QDir temporary = ours.dir();
    const QFileInfoList found = temporary.entryInfoList(
        {CopiesPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    const QDateTime young = QDateTime::currentDateTimeUtc().addSecs(-SweptAfterSeconds);
    for (const QFileInfo& folder : found.mid(0, MaxCopiesSwept)) {
        if (folder == ours || folder.isSymLink() || folder.ownerId() != ours.ownerId() ||
            folder.lastModified().toUTC() > young) {
            continue;
        }
        QDir copies(folder.filePath());
        if (!FileLock(copies.filePath(AliveMark), std::chrono::milliseconds(0)).held()) {
            continue;
        }
        for (const QString& copy :
             copies.entryList({QStringLiteral("*.conf"), AliveMark}, QDir::Files | QDir::Hidden)) {
            copies.remove(copy);
        }
        temporary.rmdir(folder.fileName());
    }
}

}  // namespace

// QSettings works on a copy in a folder of the store's own and never opens the file itself:
// the file is read here, and only once it is known to be a regular file, and replaced whole,
// never opened for writing. A FIFO or a device put in its place at any moment is never waited on.
// Its copies live in a folder of the store's own, which a store killed on its way leaves behind
// for a later start to remove.
QSettingsStore::QSettingsStore()
    : file_(storeFile()), copies_(QDir::temp().filePath(CopiesPrefix + QStringLiteral("XXXXXX"))) {
    if (copies_.isValid()) {
        alive_ = std::make_unique<FileLock>(copies_.filePath(AliveMark), StoreLockWait);
        // Housekeeping that reads the whole temporary folder: once the program is running, not
        // before its first window.
        QTimer::singleShot(0, [own = copies_.path()] { sweepKilledStoresCopies(own); });
    }
    trouble_ = copies_.isValid()
                   ? refresh()
                   : StoreTrouble{false, file_, QStringLiteral("There is no temporary folder.")};
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

// The file as it is now, when it changed since it was last read or written. When it is not to
// be read (it became a folder, a FIFO, a device...), the values live in memory from then on:
// the trouble is returned, none (no file named) when all is well.
StoreTrouble QSettingsStore::refresh() {
    QByteArray bytes;
    StoreTrouble trouble = troubleWith(file_, &bytes);
    if (trouble.file.isEmpty() && (!settings_ || bytes != kept_)) {
        // A copy of a new name each time: QSettings keeps what it read of a name it knows.
        QFile copy(copies_.filePath(QString::number(++copiesMade_) + QStringLiteral(".conf")));
        if (copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size() && copy.flush()) {
            settings_ = std::make_unique<QSettings>(copy.fileName(), QSettings::IniFormat);
            kept_ = bytes;
        } else {
            trouble = {false, file_,
                       QStringLiteral("Its copy cannot be made: ") + copy.errorString()};
        }
    }
    if (!trouble.file.isEmpty()) {
        keepInMemory({false, trouble.file, trouble.reason});
    }
    return trouble;
}

void QSettingsStore::keepInMemory(const StoreTrouble& trouble) {
    if (settings_) {
        for (const QString& key : settings_->allKeys()) {
            memory_.insert(key, settings_->value(key).toString());
        }
    }
    settings_.reset();
    trouble_ = trouble;
}

// A lock beside the file that taking it would wait on for ever also sends the values to memory.
bool QSettingsStore::inMemory() {
    if (settings_) {
        if (const QString lock = specialLock(file_); !lock.isEmpty()) {
            keepInMemory({false, lock, fileReason(FileProblem::NotRegular)});
        }
    }
    return !settings_;
}

void QSettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    if (inMemory() || (!holding_ && !refresh().file.isEmpty())) {
        memory_.insert(keyOf(section, key), value);
        troubled(trouble_);
        return;
    }
    settings_->setValue(keyOf(section, key), value);
    if (!holding_) {
        save();
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

// What the copy holds now replaces the file, unless the file is no longer one to replace.
void QSettingsStore::save() {
    settings_->sync();
    QFile copy(settings_->fileName());
    if (settings_->status() != QSettings::NoError || !copy.open(QIODevice::ReadOnly)) {
        troubled({false, file_, QStringLiteral("Its copy cannot be written.")});
        return;
    }
    const QByteArray bytes = copy.readAll();
    if (bytes == kept_) {
        return;
    }
    if (const StoreTrouble trouble = troubleWith(file_); trouble.unread) {
        keepInMemory({false, trouble.file, trouble.reason});
        troubled(trouble_);
        return;
    }
    QDir().mkpath(QFileInfo(file_).path());
    QSaveFile out(file_);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        troubled({false, file_, reasonNotKept(file_)});
        return;
    }
    kept_ = bytes;
}

// Another instance writes the same file: its changes are read in first, and a lock of our own
// beside the file keeps the two apart. A store that cannot be locked, such as one in a
// read-only folder, is changed all the same; a lock held by a program that hangs is waited on
// for two seconds at most. The lock is never waited on when it is not a regular file, not even
// one put in its place after it was looked at.
void QSettingsStore::exclusively(const std::function<void()>& change) {
    if (inMemory()) {
        change();
        return;
    }
    QDir().mkpath(QFileInfo(file_).path());
    const QString lockFile = file_ + QStringLiteral(".update-lock");
    const FileLock lock(lockFile, StoreLockWait);
    if (lock.problem() == FileProblem::NotRegular || lock.problem() == FileProblem::IsFolder) {
        keepInMemory({false, lockFile,
                      fileReason(FileProblem::NotRegular)});  // swapped in since it was looked at
    }
    holding_ = !inMemory() && refresh().file.isEmpty();
    change();
    if (std::exchange(holding_, false) && settings_) {
        save();
    }
}

}  // namespace rotaline
