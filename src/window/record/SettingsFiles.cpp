#include "window/record/SettingsFiles.h"

#include "platform/Printable.h"
#include "platform/RegularFiles.h"
#include "window/texts/SystemReasons.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"SettingsFiles"};

constexpr const char* SaveFilter = "ESC Files(*.esc)|*.esc";
constexpr const char* OpenFilter = "ESC files(*.esc)|*.esc";
constexpr const char* BadFlagMessage = " File is error !";
constexpr const char* DamagedMessage =
    QT_TRANSLATE_NOOP("SettingsFiles", "File is not found or file is error!");
constexpr const char* SaveFailedMessage =
    QT_TRANSLATE_NOOP("SettingsFiles", "The settings could not be saved to %1:\r\n%2");
constexpr const char* SavedStatus = QT_TRANSLATE_NOOP("SettingsFiles", "Saved to %1");

QString entryCaption(int index, const QString& path) {
    return QStringLiteral("&%1 ").arg(index) + printable(shownPath(path));
}

}  // namespace

QString settingsFaultMessage(SettingsFault fault, const Language& language) {
    return fault == SettingsFault::BadFlag ? QString::fromLatin1(BadFlagMessage)
                                           : catalogue(language, DamagedMessage);
}

SettingsFiles::SettingsFiles(SettingsStore& settings, const ParameterBlock& block,
                             Controls& controls, const SharedFlags& flags, Dialogs& dialogs,
                             FormHost* const& host)
    : recentFiles_(settings),
      block_(block),
      controls_(controls),
      flags_(flags),
      dialogs_(dialogs),
      host_(host) {}

void SettingsFiles::setLoad(LoadLines onCopy, LoadLines onForm) {
    onCopy_ = std::move(onCopy);
    onForm_ = std::move(onForm);
}

void SettingsFiles::save() {
    const QString path = dialogs_.saveFileName(QLatin1String(SaveFilter), file_);
    if (path.isEmpty()) {
        return;
    }
    const std::optional<std::string> bytes = encodeSettingsFile(block_);
    QString error = QStringLiteral("A value is too large to be saved.");
    if (!bytes || !replaceFileContents(path, QByteArray::fromStdString(*bytes), &error)) {
        dialogs_.message(filled(catalogue(*flags_.language, SaveFailedMessage),
                                {shownPath(path), reasonIn(error, *flags_.language)}),
                         Dialogs::Icon::None, Dialogs::Buttons::Ok);
        return;
    }
    rememberRecent(path);
    opened(path);
    host_->showStatus([path](const Language& language) {
        return filled(catalogue(language, SavedStatus), {shownPath(path)});
    });
}

QString SettingsFiles::chooseToOpen() {
    return dialogs_.openFileName(QLatin1String(OpenFilter));
}

// The copy runs the very load the form would run, from the same state: what it meets, the
// real load meets, so a faulty file changes nothing.
bool SettingsFiles::load(const std::optional<QList<QByteArray>>& lines) {
    SettingsFault fault = lines ? onCopy_(*lines) : SettingsFault::Damaged;
    if (fault == SettingsFault::None) {
        fault = onForm_(*lines);
    }
    if (fault != SettingsFault::None) {
        dialogs_.message(settingsFaultMessage(fault, *flags_.language), Dialogs::Icon::None,
                         Dialogs::Buttons::Ok);
    }
    return fault == SettingsFault::None;
}

void SettingsFiles::opened(const QString& path) {
    file_ = path;
    fileBlock_ = encodeSettingsFile(block_);
    showFileState();
}

void SettingsFiles::showFileState() {
    host_->fileShown(file_, encodeSettingsFile(block_) != fileBlock_);
}

void SettingsFiles::writeRecent(const QString& fileName) {
    recentFiles_.write(fileName);
}

void SettingsFiles::rememberRecent(const QString& fileName) {
    writeRecent(fileName);
    showRecent();
}

// Where a file stands is taken from the store as it is now, not from this window's menu:
// another running instance may have changed the list since the menu was made.
void SettingsFiles::showRecent() {
    if (recentFiles_.file(1).isEmpty()) {
        return;
    }
    controls_.mnuFileMRU[0]->setVisible(true);
    const QStringList files = recentFiles_.files();
    for (int c = 0; c < files.size(); ++c) {
        Control& entry = *controls_.mnuFileMRU[c + 1];
        entry.setCaption(entryCaption(c + 1, files[c]), true);
        entry.setVisible(true);
    }
}

void SettingsFiles::sweepStaleCopies() {
    for (const QString& file : recentFiles_.files()) {
        rotaline::sweepStaleCopies(file);
    }
}

}  // namespace rotaline
