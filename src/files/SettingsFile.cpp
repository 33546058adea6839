#include "files/SettingsFile.h"

#include "model/SettingsFileCodec.h"
#include "platform/RegularFiles.h"

namespace rotaline {

namespace {

constexpr qsizetype KeptBytes = 3;

}  // namespace

bool SettingsLineReader::feed(const char* bytes, qsizetype size) {
    for (qsizetype i = 0; i < size && lines_.size() < SettingsLineCount; ++i) {
        const char byte = bytes[i];
        const bool secondHalfOfCrLf = afterCr_ && byte == '\n';
        afterCr_ = byte == '\r';
        if (secondHalfOfCrLf) {
            continue;
        }
        if (byte == '\r' || byte == '\n') {
            lines_ << current_;
            current_.clear();
        } else if (current_.size() < KeptBytes) {
            current_ += byte;
        }
    }
    return lines_.size() < SettingsLineCount;
}

QList<QByteArray> SettingsLineReader::lines() const {
    QList<QByteArray> lines = lines_;
    if (lines.size() < SettingsLineCount && !current_.isEmpty()) {
        lines << current_;
    }
    return lines;
}

std::optional<QList<QByteArray>> readSettingsLines(const QString& path) {
    SettingsLineReader reader;
    if (!readRegularFile(path, MaxSettingsFileBytes, [&reader](const char* bytes, qsizetype size) {
            return reader.feed(bytes, size);
        })) {
        return std::nullopt;
    }
    return reader.lines();
}

SettingsFault decodeSettingsLines(const QList<QByteArray>& lines, int from, int to,
                                  ParameterBlock& block) {
    for (int slot = from; slot < to; ++slot) {
        if (slot >= lines.size()) {
            return SettingsFault::Damaged;
        }
        SettingsLine line;
        const std::string_view bytes(lines[slot].constData(), lines[slot].size());
        if (const SettingsFault fault = decodeSettingsLine(bytes, line);
            fault != SettingsFault::None) {
            return fault;
        }
        block.inUse[slot] = line.inUse;
        block.value[slot] = line.value;
    }
    return SettingsFault::None;
}

}  // namespace rotaline
