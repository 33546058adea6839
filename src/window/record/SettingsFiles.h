#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "files/RecentFilesStore.h"
#include "model/ParameterBlock.h"
#include "model/SettingsFileCodec.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "window/controls/Controls.h"
#include "window/form/FormHost.h"

namespace rotaline {

// The message loading a settings file with this fault shows.
QString settingsFaultMessage(SettingsFault fault, const Language& language);

// The settings files: saving the block, choosing a file to open, loading one only when a trial
// on a copy of the form meets no fault, the file shown and whether it changed since, and the
// recent files with their menu entries.
class SettingsFiles {
public:
    // A settings file's lines taken by the form, or first by a copy of it that only records.
    using LoadLines = std::function<SettingsFault(const QList<QByteArray>& lines)>;

    SettingsFiles(SettingsStore& settings, const ParameterBlock& block, Controls& controls,
                  const SharedFlags& flags, Dialogs& dialogs, FormHost* const& host);
    void setLoad(LoadLines onCopy, LoadLines onForm);

    void save();
    // The file the user picks to open, "" for none.
    QString chooseToOpen();
    // Loads the lines (none: an unreadable file) when the trial takes them; else says why.
    bool load(const std::optional<QList<QByteArray>>& lines);
    // The settings shown are those of `path` now.
    void opened(const QString& path);
    // Whether the settings shown still are those of the file, for the title.
    void showFileState();

    void writeRecent(const QString& fileName);
    // The menu's entries of the recent files, as the store holds them now.
    void showRecent();
    // `fileName` first in the recent files, and the menu showing them.
    void rememberRecent(const QString& fileName);
    QString recentFile(int index) const { return recentFiles_.file(index); }
    // Hidden copies that an interrupted save left beside the recent files go.
    void sweepStaleCopies();

private:
    RecentFilesStore recentFiles_;
    const ParameterBlock& block_;
    Controls& controls_;
    const SharedFlags& flags_;
    Dialogs& dialogs_;
    FormHost* const& host_;
    LoadLines onCopy_;
    LoadLines onForm_;
    QString file_;                          // opened or saved last
    std::optional<std::string> fileBlock_;  // the block as it was then
};

}  // namespace rotaline
