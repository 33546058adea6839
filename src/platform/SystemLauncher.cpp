#include "platform/SystemLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace rotaline {

bool SystemLauncher::fileExists(const QString& path) const {
    return QFileInfo(path).isFile();
}

QString SystemLauncher::findProgram(const QString& name) const {
    return QStandardPaths::findExecutable(name);
}

bool SystemLauncher::start(const QString& program) {
    return QProcess::startDetached(program, {});
}

}  // namespace rotaline
