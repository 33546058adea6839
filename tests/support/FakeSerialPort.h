#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>

#include "platform/SerialPort.h"

namespace rotaline::testing {

// A serial port in memory: records every operation and every byte written, and can be told
// which port numbers exist and that the next open or write fails. Its line is instant (what is
// written has been carried once the events run) unless a subclass models it in `handOver`.
class FakeSerialPort : public SerialPort {
    Q_OBJECT
public:
    FakeSerialPort();

    bool setPortNumber(int number) override;
    int portNumber() const override { return number_; }
    bool setSettings(const QString& settings) override;
    QString settings() const override { return settings_; }
    bool isOpen() const override { return open_; }
    bool open() override;
    void close() override;
    bool write(const QByteArray& bytes) override;
    void setReceiveThreshold(int bytes) override {
        log_ << QStringLiteral("threshold %1").arg(bytes);
        threshold_ = bytes;
    }
    QByteArray readAll() override;
    QString errorString() const override { return error_; }
    PortProblem problem() const override { return problem_; }

    // Only these port numbers open; all of 1..16 by default.
    void setPresentPorts(const QSet<int>& numbers) { present_ = numbers; }
    void failNextOpen(PortProblem problem = PortProblem::Absent) {
        failOpen_ = true;
        openProblem_ = problem;
    }
    void failNextWrite() { failWrite_ = true; }
    // The adapter goes away: writes fail until the port is opened again while present.
    void pull() { pulled_ = true; }
    // Bytes arrive from the controller; raises the notification when the threshold allows.
    void feed(const QByteArray& bytes);

    const QByteArray& written() const { return written_; }
    QList<QByteArray> writes() const { return writes_; }
    void clearWritten();
    // Operations in order: "close", "number 5", "settings 300,e,8,1", "threshold 0", "open",
    // "write AA55", "write
    // 8904 failed".
    const QStringList& log() const { return log_; }
    int threshold() const { return threshold_; }

protected:
    // The bytes of a write that succeeded go onto the line.
    virtual void handOver(const QByteArray& bytes);

private:
    int number_ = 1;
    QString settings_ = QStringLiteral("300,e,8,1");
    bool open_ = false;
    int threshold_ = 1;
    QSet<int> present_;
    bool failOpen_ = false;
    bool failWrite_ = false;
    bool pulled_ = false;
    QString error_;
    PortProblem problem_ = PortProblem::None;
    PortProblem openProblem_ = PortProblem::Absent;
    QByteArray input_;
    QByteArray written_;
    QList<QByteArray> writes_;
    QStringList log_;
};

}  // namespace rotaline::testing
