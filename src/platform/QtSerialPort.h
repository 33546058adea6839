#pragma once

#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/LineClock.h"
#include "model/WireFormat.h"
#include "platform/DevicePath.h"
#include "platform/LineDrain.h"
#include "platform/SerialPort.h"
#include "system/SystemSerialPort.h"

namespace rotaline {

struct LineParameters {
    qint32 baud;
    SystemSerialPort::Parity parity;
    SystemSerialPort::DataBits dataBits;
    SystemSerialPort::StopBits stopBits;
};

// "300,e,8,1": baud, parity (n, e, o, m, s), data bits (5..8), stop bits (1, 1.5, 2).
std::optional<LineParameters> parseLineSettings(const QString& settings);

// The serial port on QSerialPort, or its stand-in. The port number is resolved to a device at every
// open; a relative name is one under /dev.
class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    using Resolver = std::function<Assignment(int portNumber)>;

    explicit QtSerialPort(Resolver resolve, QObject* parent = nullptr);
    ~QtSerialPort() override;

    bool setPortNumber(int number) override;
    int portNumber() const override { return number_; }
    bool setSettings(const QString& settings) override;
    QString settings() const override { return settings_; }
    bool isOpen() const override { return port_->isOpen(); }
    bool open() override;
    void close() override;
    bool write(const QByteArray& bytes) override;
    void setReceiveThreshold(int bytes) override;
    QByteArray readAll() override { return port_->readAll(); }
    QString errorString() const override { return error_; }

    PortProblem problem() const override { return problem_; }
    QString device() const override { return device_; }
    std::optional<PortHolder> holder() const override { return holder_; }
    std::optional<AdapterFinding> finding() const override { return finding_; }
    const SystemSerialPort& port() const { return *port_; }
    bool isDraining() const override { return !draining_.empty(); }
    void abandonDraining() override;

private:
    bool fail(PortProblem problem, const QString& why);
    bool failOpen(const QString& device, bool holderUnseen);
    bool failLost();
    bool failStuck();
    bool hungUp() const;
    bool deviceLost() const;
    Assignment resolveDevice() const;
    bool applySettings();
    void onError(SystemSerialPort::SerialPortError error);
    void notifyIfWaiting();
    void listenTo(SystemSerialPort& port);
    void watchCarried();
    void checkCarried();
    void startDraining();
    void finishDraining(QThread* worker);
    void giveUpStuck(QThread* worker);
    bool takeBackDraining();

    // A port closed with bytes still on the line: a worker waits for them to leave, then the
    // port closes here. A line that takes nothing is given up two seconds after its line time.
    struct Draining {
        std::unique_ptr<SystemSerialPort> port;
        QString device;
        QThread* worker;
        std::shared_ptr<LineDrain> drain;
        bool stuck = false;
    };
    struct Worker {
        QThread* thread;
        std::shared_ptr<LineDrain> drain;
    };
    static PortProblem drainFailure(const Draining& draining);

    Resolver resolve_;
    std::unique_ptr<SystemSerialPort> port_ = std::make_unique<SystemSerialPort>();
    bool written_ = false;  // since the port was opened
    std::vector<Draining> draining_;
    std::vector<Worker> workers_;
    LineClock line_;
    QTimer carried_;  // until the open port's line has carried what was written
    int number_ = 1;
    QString settings_ = QLatin1String(LineSettings);
    int threshold_ = 1;
    QString device_;
    QString error_;
    PortProblem problem_ = PortProblem::None;
    std::optional<PortHolder> holder_;
    std::optional<AdapterFinding> finding_;
};

}  // namespace rotaline
