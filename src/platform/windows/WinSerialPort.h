#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QTimer>
#include <deque>
#include <memory>

#include "platform/SerialTerms.h"

namespace rotaline {

// The part of QSerialPort that QtSerialPort uses, on the Windows serial driver: a port opened
// for overlapped I/O, so that a write hands its bytes to the driver and returns at once. What
// arrives and whether the device is still there are looked at while the port is open, a few
// times a tenth of a second.
class WinSerialPort : public QIODevice, public SerialTerms {
    Q_OBJECT
public:
    explicit WinSerialPort(QObject* parent = nullptr);
    ~WinSerialPort() override;

    // "COM5" or "\\.\COM5".
    void setPortName(const QString& name) { name_ = name; }
    bool setBaudRate(qint32 baud);
    qint32 baudRate() const { return baud_; }
    bool setParity(Parity parity);
    Parity parity() const { return parity_; }
    bool setDataBits(DataBits bits);
    bool setStopBits(StopBits bits);
    bool setFlowControl(FlowControl) { return true; }

    bool open(OpenMode mode) override;
    void close() override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    qint64 bytesToWrite() const override;
    bool flush() { return true; }
    bool clear(Direction directions = AllDirections);

    SerialPortError error() const { return error_; }
    void clearError() { setError(NoError, {}); }
    qintptr handle() const { return reinterpret_cast<qintptr>(handle_); }

signals:
    void errorOccurred(rotaline::SerialTerms::SerialPortError error);

protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    struct Write;
    struct LineState;
    bool applyLine();
    void restoreLine();
    void setError(SerialPortError error, const QString& text);
    void fail(SerialPortError error);
    void look();
    void reapWrites() const;

    QString name_;
    qint32 baud_ = 9600;
    Parity parity_ = NoParity;
    DataBits dataBits_ = Data8;
    StopBits stopBits_ = OneStop;
    void* handle_ = nullptr;
    SerialPortError error_ = NoError;
    QByteArray received_;
    mutable std::deque<std::unique_ptr<Write>> writes_;  // handed to the driver, not yet done
    std::unique_ptr<LineState> found_;                   // the port's settings before we opened it
    QTimer look_;
};

}  // namespace rotaline
