#include "files/SettingsFile.h"

#include <QList>

#include "files/RegularFiles.h"
#include "model/EscCatalogue.h"
#include "model/SlotTable.h"

namespace rotaline {

namespace {

constexpr qint64 MaxFileBytes = SettingsLineCount * (MaxSettingsLineLength + 2);

QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size() && lines.size() < SettingsLineCount; ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines << bytes.mid(start, i - start);
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (lines.size() < SettingsLineCount && start < bytes.size()) {
        lines << bytes.mid(start);
    }
    return lines;
}

int choicesOf(const SlotInfo& info, const ParameterBlock& block, int currentCells) {
    if (info.kind == ValueKind::ScrollValue) {
        return 31;
    }
    if (info.encoding != WireEncoding::CellCode) {
        return info.choiceCount();
    }
    const int type = block.value[TypeSlot];
    const ControllerModel* model =
        block.inUse[modelSlotOf(type)] ? findModel(type, block.value[modelSlotOf(type)]) : nullptr;
    return model != nullptr ? cellCount(*model) : currentCells;
}

bool headFits(const ParameterBlock& block) {
    if (block.value[PortSlot] > 15 || block.value[TypeSlot] >= EscTypeCount) {
        return false;
    }
    for (int type = 0; type < EscTypeCount; ++type) {
        const int slot = modelSlotOf(type);
        if (block.inUse[slot] && block.value[slot] >= modelCount(type)) {
            return false;
        }
    }
    return true;
}

bool tailFits(const ParameterBlock& block, int currentCells) {
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        const SlotInfo& info = slotInfo(slot);
        if (block.inUse[slot] && info.kind != ValueKind::Unused &&
            block.value[slot] >= choicesOf(info, block, currentCells)) {
            return false;
        }
    }
    return true;
}

SettingsFault decodeLines(const QList<QByteArray>& lines, int from, int to, ParameterBlock& block) {
    for (int slot = from; slot < to; ++slot) {
        if (slot >= lines.size() || lines[slot].size() > MaxSettingsLineLength) {
            return SettingsFault::Damaged;
        }
        SettingsLine line;
        const QByteArray& bytes = lines[slot];
        const SettingsFault fault =
            decodeSettingsLine(std::string_view(bytes.constData(), bytes.size()), line);
        if (fault != SettingsFault::None) {
            return fault;
        }
        block.inUse[slot] = line.inUse;
        block.value[slot] = line.value;
    }
    return SettingsFault::None;
}

}  // namespace

SettingsFileContent checkSettingsLines(const QList<QByteArray>& lines, int currentCells) {
    SettingsFileContent content;
    content.fault = decodeLines(lines, 0, FirstParameterSlot, content.block);
    if (content.fault == SettingsFault::None && !headFits(content.block)) {
        content.fault = SettingsFault::Damaged;
    }
    if (content.fault == SettingsFault::None) {
        content.fault = decodeLines(lines, FirstParameterSlot, SettingsLineCount, content.block);
    }
    if (content.fault == SettingsFault::None && !tailFits(content.block, currentCells)) {
        content.fault = SettingsFault::Damaged;
    }
    return content;
}

SettingsFileContent readSettingsFile(const QString& path, int currentCells) {
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxFileBytes);
    if (!bytes) {
        return {SettingsFault::Damaged, {}};
    }
    return checkSettingsBytes(*bytes, currentCells);
}

SettingsFileContent checkSettingsBytes(const QByteArray& bytes, int currentCells) {
    return checkSettingsLines(splitLines(bytes.left(MaxFileBytes)), currentCells);
}

}  // namespace rotaline
