#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace rotaline {

// Per-user string values by section and key. A missing key reads as "".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& section, const QString& key) const = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
    // Every pair of the section, in key order.
    virtual QList<QPair<QString, QString>> section(const QString& section) const = 0;
    // Why the value of `key` cannot be read as one text, "" when it can: the store itself cannot
    // be read, or the value is not a single text.
    virtual QString unreadable(const QString& section, const QString& key) const {
        static_cast<void>(section);
        static_cast<void>(key);
        return {};
    }
    // Runs `change` on the store as it is now, also as other running instances left it, and
    // keeps them from changing it meanwhile.
    virtual void exclusively(const std::function<void()>& change) { change(); }
};

namespace settings {
inline constexpr const char* PortsSection = "Ports";
inline constexpr const char* RecentFilesSection = "Recent Files";
inline constexpr const char* RecentFileKey = "RecentFile";
inline constexpr const char* DialogsSection = "Dialogs";
inline constexpr const char* LastFolderKey = "LastFolder";
}  // namespace settings

}  // namespace rotaline
