#pragma once

#include <QObject>
#include <memory>

#include "SerialLine.h"

namespace rotaline {

// The part of QSerialPort that QtSerialPort uses, on Qt's own port from the serial module,
// which is loaded when the port is first opened. Until then the port is closed and faultless.
class LinuxSerialPort : public QObject, public SerialTerms {
    Q_OBJECT
public:
    explicit LinuxSerialPort(QObject* parent = nullptr);
    ~LinuxSerialPort() override;

    void setPortName(const QString& name);
    bool setBaudRate(qint32 baud);
    qint32 baudRate() const;
    bool setParity(Parity parity);
    Parity parity() const;
    bool setDataBits(DataBits bits);
    bool setStopBits(StopBits bits);
    bool setFlowControl(FlowControl flow);

    bool open(QIODevice::OpenMode mode);
    void close();
    bool isOpen() const;
    qint64 write(const QByteArray& bytes);
    QByteArray readAll();
    qint64 bytesAvailable() const;
    qint64 bytesToWrite() const;
    bool flush();
    bool clear(Direction directions = AllDirections);

    SerialPortError error() const;
    void clearError();
    QString errorString() const;
    qintptr handle() const;

signals:
    void readyRead();
    void errorOccurred(rotaline::SerialTerms::SerialPortError error);

private:
    SerialLine* line();

    std::unique_ptr<SerialLine> line_;
    QString missing_;  // why the serial module could not be loaded
};

using SystemSerialPort = LinuxSerialPort;

}  // namespace rotaline
