// The serial module: QSerialPort behind the calls of SerialLine.h.
#include <QSerialPort>
#include <utility>

#include "SerialLine.h"

namespace rotaline {

namespace {

constexpr std::pair<SerialTerms::Parity, QSerialPort::Parity> Parities[] = {
    {SerialTerms::NoParity, QSerialPort::NoParity},
    {SerialTerms::EvenParity, QSerialPort::EvenParity},
    {SerialTerms::OddParity, QSerialPort::OddParity},
    {SerialTerms::SpaceParity, QSerialPort::SpaceParity},
    {SerialTerms::MarkParity, QSerialPort::MarkParity}};

constexpr std::pair<SerialTerms::StopBits, QSerialPort::StopBits> Stops[] = {
    {SerialTerms::OneStop, QSerialPort::OneStop},
    {SerialTerms::OneAndHalfStop, QSerialPort::OneAndHalfStop},
    {SerialTerms::TwoStop, QSerialPort::TwoStop}};

constexpr std::pair<SerialTerms::Direction, QSerialPort::Direction> Directions[] = {
    {SerialTerms::Input, QSerialPort::Input},
    {SerialTerms::Output, QSerialPort::Output},
    {SerialTerms::AllDirections, QSerialPort::AllDirections}};

constexpr std::pair<SerialTerms::SerialPortError, QSerialPort::SerialPortError> Errors[] = {
    {SerialTerms::NoError, QSerialPort::NoError},
    {SerialTerms::DeviceNotFoundError, QSerialPort::DeviceNotFoundError},
    {SerialTerms::PermissionError, QSerialPort::PermissionError},
    {SerialTerms::OpenError, QSerialPort::OpenError},
    {SerialTerms::WriteError, QSerialPort::WriteError},
    {SerialTerms::ReadError, QSerialPort::ReadError},
    {SerialTerms::ResourceError, QSerialPort::ResourceError}};

// Through one of the tables above; every value of ours has a row, Qt's without one are `none`.
template <typename Ours, typename Qts, std::size_t N>
Qts toQt(const std::pair<Ours, Qts> (&table)[N], Ours value) {
    for (const auto& [ours, qts] : table) {
        if (ours == value) {
            return qts;
        }
    }
    return table[0].second;
}

template <typename Ours, typename Qts, std::size_t N>
Ours fromQt(const std::pair<Ours, Qts> (&table)[N], Qts value, Ours none) {
    for (const auto& [ours, qts] : table) {
        if (qts == value) {
            return ours;
        }
    }
    return none;
}

class QtSerialLine final : public SerialLine {
public:
    QIODevice& device() override { return port_; }
    void setPortName(const QString& name) override { port_.setPortName(name); }
    bool setBaudRate(qint32 baud) override { return port_.setBaudRate(baud); }
    qint32 baudRate() const override { return port_.baudRate(); }
    bool setParity(Parity parity) override { return port_.setParity(toQt(Parities, parity)); }
    Parity parity() const override { return fromQt(Parities, port_.parity(), NoParity); }
    bool setDataBits(DataBits bits) override {
        return port_.setDataBits(static_cast<QSerialPort::DataBits>(bits));  // 5 to 8 in both
    }
    bool setStopBits(StopBits bits) override { return port_.setStopBits(toQt(Stops, bits)); }
    bool setFlowControl(FlowControl) override {
        return port_.setFlowControl(QSerialPort::NoFlowControl);
    }
    bool clear(Direction directions) override { return port_.clear(toQt(Directions, directions)); }
    bool flush() override { return port_.flush(); }
    SerialPortError error() const override { return fromQt(Errors, port_.error(), UnknownError); }
    void clearError() override { port_.clearError(); }
    qintptr handle() const override { return port_.handle(); }
    void onError(std::function<void(SerialPortError)> report) override {
        QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                         [report = std::move(report)](QSerialPort::SerialPortError error) {
                             report(fromQt(Errors, error, UnknownError));
                         });
    }

private:
    QSerialPort port_;
};

}  // namespace

}  // namespace rotaline

extern "C" Q_DECL_EXPORT rotaline::SerialLine* rotalineNewSerialLine() {
    return new rotaline::QtSerialLine;
}
