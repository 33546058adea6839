#include "platform/DeviceWatch.h"

#include <QFileInfo>

namespace rotaline {

DeviceWatch::DeviceWatch(DeviceFolders folders, QObject* parent)
    : QObject(parent), folders_(std::move(folders)) {
    watcher_.addPath(folders_.dev);
    watchLinks();
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchLinks();
        emit changed();
    });
}

void DeviceWatch::follow(const QString& device) {
    const QString folder = QFileInfo(device).absolutePath();
    if (QFileInfo(folder).isDir() && !watcher_.directories().contains(folder)) {
        watcher_.addPath(folder);
    }
}

// /dev/serial appears with the first adapter that has a stable name, and goes with the last.
void DeviceWatch::watchLinks() {
    for (const QString& folder : {folders_.dev + QStringLiteral("/serial"),
                                  folders_.dev + QStringLiteral("/serial/by-id")}) {
        if (QFileInfo(folder).isDir() && !watcher_.directories().contains(folder)) {
            watcher_.addPath(folder);
        }
    }
}

}  // namespace rotaline
