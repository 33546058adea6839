#include "platform/DeviceWatch.h"

#include <QFileInfo>

namespace rotaline {

namespace {

// A burst of changes (a hub plugged in, a flapping adapter) is told once when it has settled,
// and at least this often while it lasts.
constexpr std::chrono::milliseconds Settle{100};
constexpr std::chrono::milliseconds AtMost{250};

}  // namespace

DeviceWatch::DeviceWatch(DeviceFolders folders, QObject* parent)
    : QObject(parent), folders_(std::move(folders)) {
    watcher_.addPath(folders_.dev);
    watchLinks();
    settle_.setSingleShot(true);
    settle_.setInterval(Settle);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!burst_.isValid()) {
            burst_.start();
        }
        if (burst_.elapsed() < AtMost.count()) {
            settle_.start();
        }
    });
    connect(&settle_, &QTimer::timeout, this, [this] {
        burst_.invalidate();
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
