#pragma once

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTest>

namespace rotaline::testing {

// Lays out `entries` under `root` as the kernel and udev do: "path=text" a file holding the text
// and a line end, as sysfs attributes do; "path->target" a symbolic link as written (a target
// starting with / is one in the tree, as /proc shows descriptors). A sysfs folder a link leads
// to is made. "path|" is a FIFO, as nothing but a hostile tree holds.
inline void layOut(const QString& root, const QStringList& entries) {
    const QDir tree(root);
    for (const QString& entry : entries) {
        if (entry.endsWith('|')) {
            const QString fifo = tree.filePath(entry.chopped(1));
            tree.mkpath(QFileInfo(fifo).path());
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            continue;
        }
        const bool link = entry.contains("->");
        const QStringList parts = entry.split(link ? "->" : "=");
        const QString path = tree.filePath(parts[0]);
        tree.mkpath(QFileInfo(path).path());
        if (!link) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(parts[1].toUtf8() + "\n");
            continue;
        }
        const QString target = parts[1].startsWith('/') ? root + parts[1] : parts[1];
        if (parts[0].startsWith("sys/")) {
            tree.mkpath(QDir::cleanPath(QFileInfo(path).path() + '/' + target));
        }
        QVERIFY(QFile::link(target, path));
    }
}

}  // namespace rotaline::testing
