#pragma once

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "model/SettingsFileCodec.h"

namespace rotaline::testing {

// What the slow-line model (tests/line/SlowLine.cpp) wrote to its log.
struct LineLog {
    int garbled = 0;
    int flushed = 0;     // bytes thrown away before they were on the line
    int mainWaits = 0;   // calls on the window's thread that waited for the line
    QStringList opened;  // devices, in the order they were opened

    static LineLog read(const QString& path) {
        LineLog log;
        QFile file(path);
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        for (const QByteArray& line : text.split('\n')) {
            const QList<QByteArray> w = line.split(' ');
            log.garbled += w[0] == "garbled" ? w.value(1).toInt() : 0;
            log.flushed += w[0] == "flushed" ? w.value(1).toInt() : 0;
            log.mainWaits += w[0] == "wait" && w.value(2) == "main" ? 1 : 0;
            if (w[0] == "open") {
                log.opened << QString::fromLocal8Bit(w.value(2));
            }
        }
        return log;
    }
};

// Reads what `process` prints into `told` until it holds `line`; false when it ends first.
inline bool waitForOutput(QProcess& process, QByteArray& told, const QByteArray& line) {
    told += process.readAllStandardOutput();  // what came while the events ran
    while (!told.contains(line) && process.waitForReadyRead(20000)) {
        told += process.readAllStandardOutput();
    }
    return told.contains(line);
}

// Starts `command` with a settings store of its own in `config`, in which COM1 is `device`.
inline void startWithOwnStore(QProcess& process, const QTemporaryDir& config, const QString& device,
                              const QStringList& command) {
    QSettings(config.filePath("Rotaline/Rotaline.conf"), QSettings::IniFormat)
        .setValue("Ports/COM1", device);
    process.start("env", QStringList{"XDG_CONFIG_HOME=" + config.path()} + command);
}

// A settings file of the block as the window starts; false when it cannot be written.
inline bool writeStartUpFile(const QString& path) {
    QFile file(path);
    const std::string bytes = *encodeSettingsFile(ParameterBlock::atStartUp());
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

}  // namespace rotaline::testing
