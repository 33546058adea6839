#include <algorithm>

#include "files/SettingsFile.h"
#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "window/form/MainForm.h"
#include "window/texts/SystemReasons.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"SettingsFiles"};

constexpr const char* ChooseModelFirst = QT_TRANSLATE_NOOP(
    "SettingsFiles", "Choose a model first: choosing it sends the factory settings");

}  // namespace

void MainForm::mnuOpen_Click() {
    const QString path = files_.chooseToOpen();
    if (!path.isEmpty()) {
        OpenSettingsFile(path);
    }
}

// File > Open, a recent file and the file the program was started with all come here.
void MainForm::OpenSettingsFile(const QString& path) {
    const Command command(*this);
    UpdateFileMenu(path);
    if (LoadSettingsFile(path)) {  // a refused file is said by its box, and nothing was sent
        controls_.Text1->setText(QLatin1String(texts::LoadNote) + shownPath(path) + texts::CrLf);
    }
}

// A file loaded is the one the title names, the sheet describes and the next save offers.
bool MainForm::LoadSettingsFile(const QString& path) {
    if (!loadTried(readSettingsLines(path))) {
        return false;
    }
    files_.opened(path);
    return true;
}

// Before a model is chosen the block holds values the window does not show, and there is no
// model to send: the command waits for one.
void MainForm::allowSendAll(bool allowed) {
    controls_.mnuSendAll->setEnabled(allowed);
    controls_.mnuSendAll->setToolTip(allowed ? QString()
                                             : catalogue(*flags_.language, ChooseModelFirst));
    port_.showLampHelp();  // its fix names Send all, or the model first
}

// The next controller gets what the last one got: the block goes out as loading a file with it
// would, on the port chosen now, then what that load left marked. A port closed by a failed
// send is opened again first.
void MainForm::mnuSendAll_Click() {
    if (!controls_.mnuSendAll->isEnabled()) {
        return;
    }
    const Command command(*this);
    if (!linkUsable()) {
        showInvalidPortMessage();
        return;
    }
    ParameterBlock block = block_;
    block.value[PortSlot] = static_cast<std::uint8_t>(std::max(0, controls_.ComboCOM->listIndex()));
    LoadParameterBlock(block);
    sendMarked();
}

void MainForm::sendMarked() {
    for (const Parameter& parameter : Parameters) {
        if (edits_.isUnsent(parameter.slot) && block_.inUse[parameter.slot] && link_.isReady()) {
            runChangeHandler(parameter.slot);
        }
    }
}

bool MainForm::LoadParameterBlock(const ParameterBlock& block) {
    const std::optional<std::string> bytes = encodeSettingsFile(block);
    SettingsLineReader reader;
    if (bytes) {
        reader.feed(bytes->data(), static_cast<qsizetype>(bytes->size()));
    }
    return loadTried(bytes ? std::optional(reader.lines()) : std::nullopt);
}

// A load is a programming session of its own in the journal.
bool MainForm::loadTried(const std::optional<QList<QByteArray>>& lines) {
    const Journaling::Session session(journaling_);
    return files_.load(lines);
}

// The head first: port, type and models are chosen as a user would choose them, and their
// logic resets the other slots before the file's values replace them.
SettingsFault MainForm::loadSettingsLines(const QList<QByteArray>& lines) {
    const Command command(*this);
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

void MainForm::mnuFileMRU_Click(int index) {
    OpenSettingsFile(files_.recentFile(index));
}

}  // namespace rotaline
