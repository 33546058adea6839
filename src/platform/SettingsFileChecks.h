#pragma once

#include <QString>

#include "platform/QSettingsStore.h"

namespace rotaline {

// What the settings store asks the system about its file, each system in its own folder.

inline constexpr qint64 MaxStoreBytes = 64 * 1024;  // as settings files: many times what it holds

// Where the file belongs; "" when there is no folder for it.
QString storeFile();

// Why the file at `file` is not to be read, or why nothing can be kept there; none (no file
// named) when it is a regular file that can be read without waiting, or is not there. With
// `bytes`, what it holds is read into it, from the very file found regular.
StoreTrouble troubleWith(const QString& file, QByteArray* bytes = nullptr);

// The store's lock beside the file (QSettings takes none of its own there: it works on a copy),
// when it is there and not a regular file, which taking the lock would open and wait on for
// ever; "" when there is none.
QString specialLock(const QString& file);

// Why a change did not reach the file.
QString reasonNotKept(const QString& file);

}  // namespace rotaline
