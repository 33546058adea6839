#pragma once

#include <QMap>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "platform/SettingsStore.h"

namespace rotaline {

class FileLock;

// What keeps the settings from being read or kept: the file, and why.
struct StoreTrouble {
    bool unread = false;  // the file is left alone; the program starts without its settings
    QString file;
    QString reason;
};

// The per-user store: $XDG_CONFIG_HOME/Rotaline/Rotaline.conf, or ~/.config/Rotaline/Rotaline.conf.
// A file that is not a readable regular file (a folder, a FIFO, a device) or is larger than
// 64 KiB is never opened, nor is a lock file beside it that is not a regular file, whenever
// it turns into one; nothing is written where there is no folder for the file (HOME unset,
// XDG_CONFIG_HOME naming a file): the store then keeps its values in memory until the program
// ends.
class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();
    ~QSettingsStore() override;

    QString value(const QString& section, const QString& key) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    QList<QPair<QString, QString>> section(const QString& section) const override;
    void exclusively(const std::function<void()>& change) override;
    QString unreadable(const QString& section, const QString& key) const override;

    QString fileName() const { return file_; }
    // Calls `tell` once: at once when the file is not read, or when a change is first not kept
    // in the file.
    void onTrouble(std::function<void(const StoreTrouble&)> tell);

private:
    StoreTrouble refresh();
    void keepInMemory(const StoreTrouble& trouble);
    bool inMemory();
    void save();
    void troubled(const StoreTrouble& trouble);

    QString file_;
    QTemporaryDir copies_;
    std::unique_ptr<FileLock> alive_;  // held while the store lives
    int copiesMade_ = 0;
    QByteArray kept_;                      // what the file held when last read or written
    std::unique_ptr<QSettings> settings_;  // over a copy; none: values in memory only
    QMap<QString, QString> memory_;
    StoreTrouble trouble_;
    bool toldAll_ = false;
    std::function<void(const StoreTrouble&)> tell_;
    bool holding_ = false;
};

}  // namespace rotaline
