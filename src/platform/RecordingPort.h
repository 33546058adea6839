#pragma once

#include <QByteArray>
#include <memory>

#include "platform/SerialPort.h"

namespace rotaline {

// Passes everything to a real port, or, without one, pretends every operation works;
// either way it keeps every byte written.
class RecordingPort : public SerialPort {
    Q_OBJECT
public:
    explicit RecordingPort(std::unique_ptr<SerialPort> port = nullptr);

    bool setPortNumber(int number) override;
    int portNumber() const override { return port_ ? port_->portNumber() : number_; }
    bool setSettings(const QString& settings) override;
    QString settings() const override { return port_ ? port_->settings() : settings_; }
    bool isOpen() const override { return port_ ? port_->isOpen() : open_; }
    bool open() override;
    void close() override;
    bool write(const QByteArray& bytes) override;
    void setReceiveThreshold(int bytes) override;
    QByteArray readAll() override { return port_ ? port_->readAll() : QByteArray(); }
    QString errorString() const override { return port_ ? port_->errorString() : QString(); }
    PortProblem problem() const override { return port_ ? port_->problem() : PortProblem::None; }
    QString device() const override { return port_ ? port_->device() : QString(); }
    std::optional<PortHolder> holder() const override {
        return port_ ? port_->holder() : std::nullopt;
    }
    bool isDraining() const override { return port_ && port_->isDraining(); }
    void abandonDraining() override {
        if (port_) {
            port_->abandonDraining();
        }
    }

    const QByteArray& written() const { return written_; }

private:
    std::unique_ptr<SerialPort> port_;
    int number_ = 1;
    QString settings_;
    bool open_ = false;
    QByteArray written_;
};

}  // namespace rotaline
