#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "model/SettingsFileCodec.h"

namespace rotaline::testing {

// What the slow-line model (tests/line/SlowLine.cpp) wrote to its log.
struct LineLog {
    int garbled = 0;
    int longestMainWait = 0;  // ms
    QStringList opened;       // devices, in the order they were opened

    static LineLog read(const QString& path) {
        LineLog log;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                const QList<QByteArray> words = line.split(' ');
                if (words.value(0) == "garbled") {
                    log.garbled += words.value(1).toInt();
                } else if (words.value(0) == "open") {
                    log.opened << QString::fromLocal8Bit(words.value(2));
                } else if (words.value(0) == "wait" && words.value(2) == "main") {
                    log.longestMainWait = std::max(log.longestMainWait, words.value(1).toInt());
                }
            }
        }
        return log;
    }
};

// Reads what `process` prints into `told` until it holds `line`; false when it ends first.
inline bool waitForOutput(QProcess& process, QByteArray& told, const QByteArray& line) {
    while (!told.contains(line) && process.waitForReadyRead(20000)) {
        told += process.readAllStandardOutput();
    }
    return told.contains(line);
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
