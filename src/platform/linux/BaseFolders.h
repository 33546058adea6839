#pragma once

#include <QDir>
#include <QString>

namespace rotaline {

// A per-user base folder by the base directory rules: $`variable` when it names an absolute
// folder, else `underHome` in $HOME; "" when HOME is not absolute either. A relative or empty
// HOME would put the files under whatever folder the program was started in (or, for root, at
// the top of the file system), so it names no folder at all.
inline QString baseFolder(const char* variable, const char* underHome) {
    const QString set = qEnvironmentVariable(variable);
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(set)    ? set
           : QDir::isAbsolutePath(home) ? home + QLatin1Char('/') + QLatin1String(underHome)
                                        : QString();
}

}  // namespace rotaline
