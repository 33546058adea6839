#pragma once

#include <QString>
#include <cstdint>

#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Registry.h"

namespace rotaline {

// Reads a string or number value of the registry into `keyVal`; false when it cannot be read.
bool GetKeyValue(Registry& registry, std::uint32_t keyRoot, const QString& keyName,
                 const QString& subKeyRef, QString& keyVal);

// Starts the system information tool, or says that there is none.
void StartSysInfo(Registry& registry, Launcher& launcher, Dialogs& dialogs);

// The About dialog's texts that depend on the program.
QString aboutCaption();
QString aboutVersion();

}  // namespace rotaline
