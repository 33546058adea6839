#pragma once

#include <QSerialPort>
#include <functional>
#include <optional>

#include "model/WireFormat.h"
#include "platform/SerialPort.h"

namespace rotaline {

struct LineParameters {
    qint32 baud;
    QSerialPort::Parity parity;
    QSerialPort::DataBits dataBits;
    QSerialPort::StopBits stopBits;
};

// "300,e,8,1": baud, parity (n, e, o, m, s), data bits (5..8), stop bits (1, 1.5, 2).
std::optional<LineParameters> parseLineSettings(const QString& settings);

// The serial port on QSerialPort. The port number is resolved to a device at every open.
class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    using Resolver = std::function<QString(int portNumber)>;

    explicit QtSerialPort(Resolver resolve, QObject* parent = nullptr);

    bool setPortNumber(int number) override;
    int portNumber() const override { return number_; }
    bool setSettings(const QString& settings) override;
    QString settings() const override { return settings_; }
    bool isOpen() const override { return port_.isOpen(); }
    bool open() override;
    void close() override;
    bool write(const QByteArray& bytes) override;
    void setReceiveThreshold(int bytes) override;
    QByteArray readAll() override { return port_.readAll(); }
    QString errorString() const override { return error_; }

    PortProblem problem() const override { return problem_; }
    QString device() const { return device_; }
    const QSerialPort& port() const { return port_; }

private:
    bool fail(PortProblem problem, const QString& why);
    bool failOpen(const QString& device);
    bool failLost();
    bool deviceLost() const;
    QString resolveDevice() const;
    bool applySettings();
    void onError(QSerialPort::SerialPortError error);
    void notifyIfWaiting();

    Resolver resolve_;
    QSerialPort port_;
    int number_ = 1;
    QString settings_ = QLatin1String(LineSettings);
    int threshold_ = 1;
    QString device_;
    QString error_;
    PortProblem problem_ = PortProblem::None;
};

}  // namespace rotaline
