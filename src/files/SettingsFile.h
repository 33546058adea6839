#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "model/ParameterBlock.h"
#include "model/SettingsFileCodec.h"

namespace rotaline {

// Collects what loading reads of a settings file: the first three bytes of each of its first
// 41 lines. A line ends at CR, LF or CR LF. The rest of a longer line is passed over without
// being kept, so a line of any length costs no memory.
class SettingsLineReader {
public:
    // The file's next bytes; false once the 41st line is complete and nothing more is needed.
    bool feed(const char* bytes, qsizetype size);
    // The lines so far; a last line without its line end counts once it has a byte.
    QList<QByteArray> lines() const;

private:
    QList<QByteArray> lines_;
    QByteArray current_;
    bool afterCr_ = false;
};

// A settings file is 205 bytes; far more is no settings file, and is not read at all.
inline constexpr qint64 MaxSettingsFileBytes = 64 * 1024;

// The lines of the settings file at `path`, read as far as loading reads them. Nothing when
// the file is missing, unreadable, not a regular file or larger than 64 KiB.
std::optional<QList<QByteArray>> readSettingsLines(const QString& path);

// Lines `from`..`to` - 1 decoded into the same slots of `block`, in order; stops at the first
// fault (a missing line is a damaged file).
SettingsFault decodeSettingsLines(const QList<QByteArray>& lines, int from, int to,
                                  ParameterBlock& block);

}  // namespace rotaline
