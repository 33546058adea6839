#pragma once

#include <QByteArray>
#include <QString>

#include "model/ParameterBlock.h"
#include "model/SettingsFileCodec.h"

namespace rotaline {

struct SettingsFileContent {
    SettingsFault fault = SettingsFault::None;
    ParameterBlock block;
};

// Reads and checks a whole settings file before anything is applied: at most the bytes that
// 41 lines can take are read, bytes are taken as they stand, and every value must be one the
// window can show. `currentCells` is the number of entries of the cell-count list now, used
// when the file chooses no model for its type. A missing or unreadable file, or one that is
// not a regular file, is Damaged.
SettingsFileContent readSettingsFile(const QString& path, int currentCells);

// Checks a file's bytes as read; lines after the 41st are ignored.
SettingsFileContent checkSettingsBytes(const QByteArray& bytes, int currentCells);

// Checks the contents of a file already cut into lines, in the order a loader meets them.
SettingsFileContent checkSettingsLines(const QList<QByteArray>& lines, int currentCells);

}  // namespace rotaline
