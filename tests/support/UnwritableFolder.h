#pragma once

#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

namespace rotaline::testing {

// A read-only file in a folder in which no new file can be created. Permissions do not stop
// the superuser, so there a file of /proc serves.
class UnwritableFolder {
public:
    UnwritableFolder() {
        if (geteuid() == 0) {
            path_ = QStringLiteral("/proc/version");
            return;
        }
        path_ = dir_.filePath(QStringLiteral("old.esc"));
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly)) {
            file.write("old settings");
        }
        file.close();
        QFile::setPermissions(path_, QFile::ReadOwner);
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    }
    ~UnwritableFolder() {
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    const QString& oldFile() const { return path_; }
    QByteArray oldContent() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

}  // namespace rotaline::testing
