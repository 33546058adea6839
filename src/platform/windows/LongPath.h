#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace rotaline {

// The name the system's wide calls take for `path`, whatever its length: one of 260 characters
// or more is absolute, with backslashes, after `\\?\` (`\\?\UNC\` on a share), which lifts the
// limit and also turns off the system's tidying of the name, so it is tidied here first. A
// shorter one is left as it is, so that a name means what it always meant.
inline QString longPath(const QString& path) {
    constexpr qsizetype Limit = 260 - 1;  // MAX_PATH with its ending zero
    const QString native = QDir::toNativeSeparators(path);
    const QString whole =
        QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (whole.size() < Limit || native.startsWith(QLatin1String("\\\\?\\")) ||
        native.startsWith(QLatin1String("\\\\.\\"))) {
        return native;
    }
    return whole.startsWith(QLatin1String("\\\\")) ? QStringLiteral("\\\\?\\UNC\\") + whole.mid(2)
                                                   : QStringLiteral("\\\\?\\") + whole;
}

}  // namespace rotaline
