#pragma once

#include <QFileSystemWatcher>
#include <QObject>

#include "platform/SerialDevices.h"

namespace rotaline {

// Tells when serial devices may have come or gone: the kernel makes and removes their nodes in
// /dev, and udev their stable links in /dev/serial/by-id, both seen through inotify. Nothing
// is polled and nothing is opened.
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
};

}  // namespace rotaline
