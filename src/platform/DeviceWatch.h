#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include "platform/SerialDevices.h"

namespace rotaline {

// Tells when serial devices may have come or gone: the kernel makes and removes their nodes in
// /dev, and udev their stable links in /dev/serial/by-id, both seen through inotify. Nothing
// is polled and nothing is opened. Changes close together are told once, a few times a second
// at most.
class DeviceWatch : public QObject {
    Q_OBJECT
public:
    explicit DeviceWatch(DeviceFolders folders = {}, QObject* parent = nullptr);

    // Also the folder of a device named outside those folders, such as a COM number's by hand.
    void follow(const QString& device);

signals:
    void changed();

private:
    void watchLinks();

    DeviceFolders folders_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QElapsedTimer burst_;  // since the first change not yet told
};

}  // namespace rotaline
