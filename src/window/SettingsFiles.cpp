#include "files/RegularFiles.h"
#include "files/SettingsFile.h"
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
constexpr const char* LoadNote = "Load File:";

}  // namespace

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
    if (path.isEmpty()) {
        return;
    }
    UpdateFileMenu(path);
    LoadSettingsFile(path);
    get<TextBox>("Text1").setText(QLatin1String(LoadNote) + path + texts::CrLf);
}

void MainForm::LoadSettingsFile(const QString& path) {
    const SettingsFileContent file =
        readSettingsFile(path, get<ComboList>("ComboNoOfCell").count());
    if (file.fault != SettingsFault::None) {
        const QString text = file.fault == SettingsFault::BadFlag
                                 ? QString::fromLatin1(BadFlagMessage)
                                 : DamagedMessage.in(flags_.chinese);
        dialogs_.message(text, Dialogs::Icon::None, Dialogs::Buttons::Ok);
        return;
    }
    for (int slot = 0; slot < 9; ++slot) {
        block_.value[slot] = file.block.value[slot];
        block_.inUse[slot] = file.block.inUse[slot];
    }
    link_.close();
    get<ComboList>("ComboCOM").setListIndex(block_.value[0]);
    get<TabStrip>("SSTab1").select(block_.value[4]);
    if (block_.inUse[4]) {
        SSTab1_Click(block_.value[4] + 1);
    }
    for (int type = 0; type < 4; ++type) {
        if (block_.inUse[5 + type]) {
            get<ComboList>(QStringLiteral("ComboCTRmodel(%1)").arg(type))
                .setListIndex(block_.value[5 + type]);
        }
    }
    for (int slot = 9; slot < SlotCount; ++slot) {
        block_.value[slot] = file.block.value[slot];
        block_.inUse[slot] = file.block.inUse[slot];
    }
    ApplyParameterBlock();
}

void MainForm::ApplyParameterBlock() {
    for (int slot = 9; slot < SlotCount; ++slot) {
        const SlotInfo& info = slotInfo(slot);
        if (!block_.inUse[slot] || info.kind == ValueKind::Unused) {
            continue;
        }
        const QString name = fromView(info.owner);
        const int value = block_.value[slot];
        if (info.kind == ValueKind::OptionIndex) {
            get<OptionGroup>(name).select(value);
        } else if (info.kind == ValueKind::ListPosition) {
            get<ComboList>(name).setListIndex(value);
        } else {
            get<ScrollBar>(name).setValue(value);
            runChangeHandler(name);
        }
    }
}

void MainForm::Toolbar1_ButtonClick(const QString& key) {
    if (key == QStringLiteral("打开")) {
        mnuOpen_Click();
    } else if (key == QStringLiteral("保存")) {
        SaveSettingsFile();
    } else if (key == QStringLiteral("帮助") && onShowAbout) {
        onShowAbout();
    }
}

}  // namespace rotaline
