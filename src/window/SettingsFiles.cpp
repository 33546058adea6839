#include <algorithm>

#include "files/RegularFiles.h"
#include "files/SettingsFile.h"
#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "window/ControlTable.h"
#include "window/MainForm.h"
#include "window/Texts.h"

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
constexpr const char* ChooseModelFirst = QT_TRANSLATE_NOOP(
    "SettingsFiles", "Choose a model first: choosing it sends the factory settings");

}  // namespace

QString settingsFaultMessage(SettingsFault fault, const Language& language) {
    return fault == SettingsFault::BadFlag ? QString::fromLatin1(BadFlagMessage)
                                           : catalogue(language, DamagedMessage);
}

void MainForm::SaveSettingsFile() {
    const QString path = dialogs_.saveFileName(QLatin1String(SaveFilter), file_);
    if (path.isEmpty()) {
        return;
    }
    const std::optional<std::string> bytes = encodeSettingsFile(block_);
    QString error = QStringLiteral("A value is too large to be saved.");
    if (!bytes || !replaceFileContents(path, QByteArray::fromStdString(*bytes), &error)) {
        dialogs_.message(catalogue(*flags_.language, SaveFailedMessage).arg(path, error),
                         Dialogs::Icon::None, Dialogs::Buttons::Ok);
        return;
    }
    UpdateFileMenu(path);
    fileIs(path);
    host_->showStatus(
        [path](const Language& language) { return catalogue(language, SavedStatus).arg(path); });
}

void MainForm::fileIs(const QString& path) {
    file_ = path;
    fileBlock_ = encodeSettingsFile(block_);
    showFileState();
}

void MainForm::showFileState() {
    host_->fileShown(file_, encodeSettingsFile(block_) != fileBlock_);
}

void MainForm::mnuOpen_Click() {
    const QString path = dialogs_.openFileName(QLatin1String(OpenFilter));
    if (!path.isEmpty()) {
        OpenSettingsFile(path);
    }
}

void MainForm::OpenSettingsFile(const QString& path) {
    UpdateFileMenu(path);
    if (loadTried(readSettingsLines(path))) {
        fileIs(path);
    }
    controls_.Text1->setText(QLatin1String(texts::LoadNote) + path + texts::CrLf);
}

void MainForm::LoadSettingsFile(const QString& path) {
    loadTried(readSettingsLines(path));
}

// Before a model is chosen the block holds values the window does not show, and there is no
// model to send: the command waits for one.
void MainForm::allowSendAll(bool allowed) {
    controls_.mnuSendAll->setEnabled(allowed);
    controls_.mnuSendAll->setToolTip(allowed ? QString()
                                             : catalogue(*flags_.language, ChooseModelFirst));
}

// The next controller gets what the last one got: the block goes out as loading a file with it
// would, on the port chosen now. A port closed by a failed send is opened again first.
void MainForm::mnuSendAll_Click() {
    if (!controls_.mnuSendAll->isEnabled()) {
        return;
    }
    if (!link_.isReady() && !link_.reopen().ok) {
        showInvalidPortMessage();
        return;
    }
    ParameterBlock block = block_;
    block.value[PortSlot] = static_cast<std::uint8_t>(std::max(0, controls_.ComboCOM->listIndex()));
    LoadParameterBlock(block);
}

bool MainForm::LoadParameterBlock(const ParameterBlock& block) {
    const std::optional<std::string> bytes = encodeSettingsFile(block);
    SettingsLineReader reader;
    if (bytes) {
        reader.feed(bytes->data(), static_cast<qsizetype>(bytes->size()));
    }
    return loadTried(bytes ? std::optional(reader.lines()) : std::nullopt);
}

// Loads only when the trial on a copy of the form meets no fault; otherwise says why.
bool MainForm::loadTried(const std::optional<QList<QByteArray>>& lines) {
    const JournalSession session(*this);
    SettingsFault fault = lines ? tryLoadOnCopy(*lines) : SettingsFault::Damaged;
    if (fault == SettingsFault::None) {
        fault = loadSettingsLines(*lines);
        endHistory();
    }
    if (fault != SettingsFault::None) {
        dialogs_.message(settingsFaultMessage(fault, *flags_.language), Dialogs::Icon::None,
                         Dialogs::Buttons::Ok);
    }
    return fault == SettingsFault::None;
}

// The head first: port, type and models are chosen as a user would choose them, and their
// logic resets the other slots before the file's values replace them.
SettingsFault MainForm::loadSettingsLines(const QList<QByteArray>& lines) {
    if (const SettingsFault fault = decodeSettingsLines(lines, 0, FirstParameterSlot, block_);
        fault != SettingsFault::None) {
        return fault;
    }
    link_.close();
    Controls& c = controls_;
    if (!c.ComboCOM->setListIndex(block_.value[PortSlot]) ||
        !c.SSTab1->select(block_.value[TypeSlot])) {
        return SettingsFault::Damaged;
    }
    if (block_.inUse[TypeSlot]) {
        SSTab1_Click(block_.value[TypeSlot] + 1);
    }
    for (int type = 0; type < EscTypeCount; ++type) {
        const int slot = modelSlotOf(type);
        if (block_.inUse[slot] && !c.ComboCTRmodel[type]->setListIndex(block_.value[slot])) {
            return SettingsFault::Damaged;
        }
    }
    if (const SettingsFault fault =
            decodeSettingsLines(lines, FirstParameterSlot, SlotCount, block_);
        fault != SettingsFault::None) {
        return fault;
    }
    return ApplyParameterBlock() ? SettingsFault::None : SettingsFault::Damaged;
}

bool MainForm::ApplyParameterBlock() {
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        const SlotInfo& info = slotInfo(slot);
        if (!block_.inUse[slot] || info.kind == ValueKind::Unused) {
            continue;
        }
        if (!setOwnerValue(slot, block_.value[slot])) {
            return false;
        }
        if (info.kind == ValueKind::ScrollValue) {
            runChangeHandler(slot);
        }
    }
    return true;
}

void MainForm::Toolbar1_ButtonClick(const QString& key) {
    for (int action = 0; action < static_cast<int>(std::size(ToolbarButtons)); ++action) {
        if (fromView(ToolbarButtons[action].key) != key) {
            continue;
        }
        switch (static_cast<ToolbarAction>(action)) {
            case ToolbarAction::Open:
                mnuOpen_Click();
                break;
            case ToolbarAction::Save:
                SaveSettingsFile();
                break;
            case ToolbarAction::Help:
                host_->showAbout();
                break;
        }
    }
}

}  // namespace rotaline
