#include <algorithm>

#include "files/RegularFiles.h"
#include "files/SettingsFile.h"
#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr const char* SaveFilter = "ESC Files(*.esc)|*.esc";
constexpr const char* OpenFilter = "ESC files(*.esc)|*.esc";
constexpr const char* BadFlagMessage = " File is error !";
constexpr Bilingual DamagedMessage{"File is not found or file is error!",
                                   "文件已经删除或文件已经损坏"};
constexpr Bilingual SaveFailedMessage{"The settings could not be saved to %1:\r\n%2",
                                      "设置无法保存到 %1：\r\n%2"};

}  // namespace

QString settingsFaultMessage(SettingsFault fault, bool chinese) {
    return fault == SettingsFault::BadFlag ? QString::fromLatin1(BadFlagMessage)
                                           : DamagedMessage.in(chinese);
}

void MainForm::SaveSettingsFile() {
    const QString path = dialogs_.saveFileName(QLatin1String(SaveFilter));
    if (path.isEmpty()) {
        return;
    }
    const std::optional<std::string> bytes = encodeSettingsFile(block_);
    QString error = QStringLiteral("A value is too large to be saved.");
    if (!bytes || !replaceFileContents(path, QByteArray::fromStdString(*bytes), &error)) {
        dialogs_.message(SaveFailedMessage.in(flags_.chinese).arg(path, error), Dialogs::Icon::None,
                         Dialogs::Buttons::Ok);
        return;
    }
    UpdateFileMenu(path);
}

void MainForm::mnuOpen_Click() {
    const QString path = dialogs_.openFileName(QLatin1String(OpenFilter));
    if (!path.isEmpty()) {
        OpenSettingsFile(path);
    }
}

void MainForm::OpenSettingsFile(const QString& path) {
    UpdateFileMenu(path);
    LoadSettingsFile(path);
    controls_.Text1->setText(QLatin1String(texts::LoadNote) + path + texts::CrLf);
}

void MainForm::LoadSettingsFile(const QString& path) {
    const SettingsFileContent file = readSettingsFile(path, controls_.ComboNoOfCell->count());
    if (file.fault != SettingsFault::None) {
        dialogs_.message(settingsFaultMessage(file.fault, flags_.chinese), Dialogs::Icon::None,
                         Dialogs::Buttons::Ok);
        return;
    }
    LoadParameterBlock(file.block);
}

// Taken by value: the type and model logic it runs rewrites the form's own block.
void MainForm::LoadParameterBlock(ParameterBlock block) {
    for (int slot = 0; slot < FirstParameterSlot; ++slot) {
        block_.value[slot] = block.value[slot];
        block_.inUse[slot] = block.inUse[slot];
    }
    link_.close();
    Controls& c = controls_;
    c.ComboCOM->setListIndex(block_.value[PortSlot]);
    c.SSTab1->select(block_.value[TypeSlot]);
    if (block_.inUse[TypeSlot]) {
        SSTab1_Click(block_.value[TypeSlot] + 1);
    }
    for (int type = 0; type < EscTypeCount; ++type) {
        if (block_.inUse[modelSlotOf(type)]) {
            c.ComboCTRmodel[type]->setListIndex(block_.value[modelSlotOf(type)]);
        }
    }
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        block_.value[slot] = block.value[slot];
        block_.inUse[slot] = block.inUse[slot];
    }
    ApplyParameterBlock();
}

// The next controller gets what the last one got: the block goes out as a file with it
// would, on the port chosen now.
void MainForm::mnuSendAll_Click() {
    if (!link_.isReady()) {
        showInvalidPortMessage();
        return;
    }
    ParameterBlock block = block_;
    block.value[PortSlot] = static_cast<std::uint8_t>(std::max(0, controls_.ComboCOM->listIndex()));
    LoadParameterBlock(block);
}

void MainForm::ApplyParameterBlock() {
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        const SlotInfo& info = slotInfo(slot);
        if (!block_.inUse[slot] || info.kind == ValueKind::Unused) {
            continue;
        }
        setOwnerValue(slot, block_.value[slot]);
        if (info.kind == ValueKind::ScrollValue) {
            runChangeHandler(slot);
        }
    }
}

void MainForm::Toolbar1_ButtonClick(const QString& key) {
    if (key == QStringLiteral("打开")) {
        mnuOpen_Click();
    } else if (key == QStringLiteral("保存")) {
        SaveSettingsFile();
    } else if (key == QStringLiteral("帮助")) {
        host_->showAbout();
    }
}

}  // namespace rotaline
