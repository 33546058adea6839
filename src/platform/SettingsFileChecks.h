#pragma once

#include <QString>

#include "platform/QSettingsStore.h"

namespace rotaline {

// What the settings store asks the system about its file, each system in its own folder.

// Where the file belongs; "" when there is no folder for it.
QString storeFile();

// Why there is no folder for the file: the file as the system names it, and the reason.
StoreTrouble noStoreFolder();

// Why a change did not reach the file.
QString reasonNotKept(const QString& file);

}  // namespace rotaline
