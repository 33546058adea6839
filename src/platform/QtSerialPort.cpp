#include "platform/QtSerialPort.h"

#include <QHash>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <utility>

#include "platform/AdapterDiagnosis.h"
#include "platform/DevicePath.h"
#include "platform/PortExplanation.h"
#include "platform/Printable.h"

namespace rotaline {

namespace {

constexpr std::chrono::seconds StuckMargin{2};
constexpr std::chrono::milliseconds CarriedSlice{20};

std::optional<SystemSerialPort::Parity> parityOf(const QString& letter) {
    static const QHash<QString, SystemSerialPort::Parity> parities{
        {"n", SystemSerialPort::NoParity},
        {"e", SystemSerialPort::EvenParity},
        {"o", SystemSerialPort::OddParity},
        {"m", SystemSerialPort::MarkParity},
        {"s", SystemSerialPort::SpaceParity}};
    const auto it = parities.find(letter.toLower());
    return it == parities.end() ? std::nullopt : std::optional(*it);
}

std::optional<SystemSerialPort::StopBits> stopBitsOf(const QString& text) {
    if (text == QLatin1String("1")) {
        return SystemSerialPort::OneStop;
    }
    if (text == QLatin1String("1.5")) {
        return SystemSerialPort::OneAndHalfStop;
    }
    if (text == QLatin1String("2")) {
        return SystemSerialPort::TwoStop;
    }
    return std::nullopt;
}

}  // namespace

std::optional<LineParameters> parseLineSettings(const QString& settings) {
    const QStringList parts = settings.split(',');
    if (parts.size() != 4) {
        return std::nullopt;
    }
    bool baudOk = false;
    bool bitsOk = false;
    const int baud = parts[0].trimmed().toInt(&baudOk);
    const int bits = parts[2].trimmed().toInt(&bitsOk);
    const auto parity = parityOf(parts[1].trimmed());
    const auto stop = stopBitsOf(parts[3].trimmed());
    if (!baudOk || baud <= 0 || !bitsOk || bits < 5 || bits > 8 || !parity || !stop) {
        return std::nullopt;
    }
    return LineParameters{baud, *parity, static_cast<SystemSerialPort::DataBits>(bits), *stop};
}

QtSerialPort::QtSerialPort(Resolver resolve, QObject* parent)
    : SerialPort(parent), resolve_(std::move(resolve)) {
    listenTo(*port_);
    carried_.setSingleShot(true);
    carried_.setTimerType(Qt::PreciseTimer);
    connect(&carried_, &QTimer::timeout, this, &QtSerialPort::checkCarried);
}

// Bytes still on the line when the program ends are given up, or the workers would never end.
QtSerialPort::~QtSerialPort() {
    for (const Worker& worker : workers_) {
        worker.drain->giveUp();
        worker.thread->wait();
        delete worker.thread;
    }
    for (Draining& draining : draining_) {
        draining.port->close();
    }
}

void QtSerialPort::listenTo(SystemSerialPort& port) {
    connect(&port, &SystemSerialPort::readyRead, this, [this] {
        if (threshold_ > 0) {
            emit commEvent(CommEvent::DataReceived);
        }
    });
    connect(&port, &SystemSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

bool QtSerialPort::fail(PortProblem problem, const QString& why) {
    problem_ = problem;
    error_ = why;
    holder_.reset();
    finding_.reset();
    return false;
}

bool QtSerialPort::setPortNumber(int number) {
    if (port_->isOpen() || number < 1 || number > PortCount) {
        return fail(PortProblem::Other, QStringLiteral("The port number can only be set to 1..%1 "
                                                       "while the port is closed.")
                                            .arg(PortCount));
    }
    number_ = number;
    return true;
}

bool QtSerialPort::setSettings(const QString& settings) {
    if (port_->isOpen() || !parseLineSettings(settings)) {
        return fail(
            PortProblem::Other,
            filled(QStringLiteral("The line settings \"%1\" cannot be used now."), {settings}));
    }
    settings_ = settings;
    return true;
}

Assignment QtSerialPort::resolveDevice() const {
    try {
        return resolve_ ? resolve_(number_) : Assignment();
    } catch (...) {
        return Assignment();
    }
}

// The device is resolved once, and that one path is checked, held and opened.
bool QtSerialPort::open() {
    const Assignment assignment = resolveDevice();
    if (!assignment.unreadable.isEmpty()) {
        return fail(PortProblem::ConfigUnreadable, assignment.unreadable);
    }
    if (assignment.device.isEmpty()) {
        return fail(PortProblem::Unassigned,
                    QStringLiteral("No adapter is assigned to COM%1.").arg(number_));
    }
    if (!isDeviceName(assignment.device)) {
        return fail(PortProblem::NotSerial,
                    filled(QStringLiteral("%1 is not a serial device's name, such as %2."),
                           {assignment.device, exampleDevice()}));
    }
    device_ = devicePath(assignment.device);
    if (takeBackDraining()) {
        problem_ = PortProblem::None;
        error_.clear();
        return true;
    }
    if (!deviceExists(device_)) {
        fail(absenceOf(device_), filled(QStringLiteral("%1 does not exist."), {device_}));
        finding_ = findingFor(device_);
        return false;
    }
    if (!isSerialLine(device_)) {
        return fail(PortProblem::NotSerial,
                    filled(QStringLiteral("%1 is not a serial device."), {device_}));
    }
    // Linux lets two programs open one tty, and our settings would break the other's link.
    // What this user cannot see, the open keeps out: QSerialPort takes the device for
    // exclusive use (TIOCEXCL) under the lock file other serial programs look for.
    const HolderSearch search = searchHolders(device_);
    if (const std::optional<PortHolder> holder = search.holder) {
        fail(holdingBy(*holder), filled(QStringLiteral("%1 is in use by %2 (process %3)."),
                                        {device_, holder->program, QString::number(holder->pid)}));
        holder_ = holder;
        return false;
    }
    port_->setPortName(device_);
    if (!applySettings()) {
        return fail(PortProblem::Other,
                    filled(QStringLiteral("%1 cannot be set to %2."), {device_, settings_}));
    }
    if (!port_->open(QIODevice::ReadWrite)) {
        failOpen(device_, search.unseen);
        if (problem_ == PortProblem::PermissionDenied) {
            finding_ = findingFor(device_);
        }
        return false;
    }
    if (!line_.isBusy()) {
        line_ = LineClock(port_->baudRate());
    }
    written_ = false;
    problem_ = PortProblem::None;
    error_.clear();
    return true;
}

bool QtSerialPort::failOpen(const QString& device, bool holderUnseen) {
    switch (port_->error()) {
        case SystemSerialPort::DeviceNotFoundError:
            return fail(PortProblem::Absent,
                        filled(QStringLiteral("%1 does not exist."), {device}));
        case SystemSerialPort::PermissionError:
            if (!userMayOpen(device)) {
                return fail(PortProblem::PermissionDenied,
                            filled(QStringLiteral("You may not use %1."), {device}));
            }
            return fail(
                PortProblem::Busy,
                filled(holderUnseen ? QStringLiteral("%1 is in use by another program, perhaps "
                                                     "another user's, which you cannot see.")
                                    : QStringLiteral("%1 is in use by another program."),
                       {device}));
        default:
            return fail(PortProblem::Other, filled(QStringLiteral("%1 cannot be opened: %2"),
                                                   {device, port_->errorString()}));
    }
}

// Set while closed, so that open applies them all; a pseudo-terminal refuses parity.
bool QtSerialPort::applySettings() {
    const std::optional<LineParameters> line = parseLineSettings(settings_);
    return line && port_->setBaudRate(line->baud) && port_->setParity(line->parity) &&
           port_->setDataBits(line->dataBits) && port_->setStopBits(line->stopBits) &&
           port_->setFlowControl(SystemSerialPort::NoFlowControl);
}

void QtSerialPort::close() {
    if (port_->isOpen() && written_) {
        startDraining();
    } else if (port_->isOpen()) {
        port_->close();
    }
    port_->clearError();
}

void QtSerialPort::startDraining() {
    std::unique_ptr<SystemSerialPort> closing =
        std::exchange(port_, std::make_unique<SystemSerialPort>());
    closing->disconnect(this);
    listenTo(*port_);
    auto drain = std::make_shared<LineDrain>(closing->handle(), line_);
    QThread* worker = QThread::create([drain] { drain->wait(); });
    connect(worker, &QThread::finished, this, [this, worker] { finishDraining(worker); });
    QTimer::singleShot(
        std::chrono::duration_cast<std::chrono::milliseconds>(line_.timeLeft()) + StuckMargin,
        Qt::PreciseTimer, this, [this, worker] { giveUpStuck(worker); });
    draining_.push_back({std::move(closing), device_, worker, drain});
    workers_.push_back({worker, drain});
    worker->start();
}

void QtSerialPort::giveUpStuck(QThread* worker) {
    for (Draining& draining : draining_) {
        if (draining.worker == worker) {
            draining.stuck = true;
            draining.drain->giveUp();
        }
    }
}

void QtSerialPort::finishDraining(QThread* worker) {
    const auto drained = std::find_if(draining_.begin(), draining_.end(),
                                      [worker](const Draining& d) { return d.worker == worker; });
    if (drained != draining_.end()) {
        drained->port->close();
        const PortProblem failure = drainFailure(*drained);
        const QString device = drained->device;
        const int unsent = drained->drain->unsentBytes();
        const bool idle = drained->drain->outcome() == LineDrain::Outcome::Idle;
        draining_.erase(drained);
        if (failure != PortProblem::None) {
            emit sendingFailed(failure, device, unsent);
        } else if (idle) {
            checkCarried();
        }
    }
    workers_.erase(std::find_if(workers_.begin(), workers_.end(),
                                [worker](const Worker& w) { return w.thread == worker; }));
    worker->wait();
    delete worker;
    if (draining_.empty()) {
        emit lineIdle();
    }
}

// Bytes given up on purpose were reported when they were given up.
PortProblem QtSerialPort::drainFailure(const Draining& draining) {
    switch (draining.drain->outcome()) {
        case LineDrain::Outcome::HungUp:
            return PortProblem::Disconnected;
        case LineDrain::Outcome::GivenUp:
            return draining.stuck ? PortProblem::Stuck : PortProblem::None;
        default:
            return PortProblem::None;
    }
}

QString sendingFailureText(PortProblem problem, const QString& device, int unsent) {
    const QString text = problem == PortProblem::Stuck
                             ? QStringLiteral("%1 stopped taking bytes; %2 of them were not sent.")
                         : problem == PortProblem::GivenUp
                             ? QStringLiteral("%2 bytes for %1 were given up and not sent.")
                             : QStringLiteral("%1 was disconnected with %2 bytes not yet sent.");
    return filled(text, {device, QString::number(unsent)});
}

// Opening the device of a port that is still draining takes that port back: it is open and
// set, and a second open of the device would find it busy.
bool QtSerialPort::takeBackDraining() {
    const auto same = std::find_if(draining_.begin(), draining_.end(),
                                   [this](const Draining& d) { return d.device == device_; });
    if (same == draining_.end()) {
        return false;
    }
    port_ = std::move(same->port);
    same->drain->release();
    draining_.erase(same);
    listenTo(*port_);
    written_ = true;
    watchCarried();
    if (draining_.empty()) {
        emit lineIdle();
    }
    return true;
}

// What is thrown away is a failed send like any other, said before anything else can end.
void QtSerialPort::abandonDraining() {
    std::vector<std::pair<QString, int>> thrownAway;
    for (const Draining& draining : draining_) {
        const bool waiting = draining.drain->outcome() == LineDrain::Outcome::Waiting;
        draining.drain->giveUp();
        if (waiting && draining.drain->outcome() == LineDrain::Outcome::GivenUp &&
            draining.drain->unsentBytes() > 0) {
            thrownAway.emplace_back(draining.device, draining.drain->unsentBytes());
        }
    }
    for (const auto& [device, unsent] : thrownAway) {
        emit sendingFailed(PortProblem::GivenUp, device, unsent);
    }
}

bool QtSerialPort::write(const QByteArray& bytes) {
    if (!port_->isOpen()) {
        return fail(PortProblem::Other, QStringLiteral("The port is not open."));
    }
    if (deviceLost()) {
        return failLost();
    }
    // flush() hands the bytes to the device at once, so a close right after loses none. What
    // the kernel does not take fails the send: a line hung up is a lost device, a full queue
    // an adapter that takes nothing more.
    const bool taken = port_->write(bytes) == bytes.size();
    port_->flush();
    if (!taken || deviceLost()) {
        return port_->bytesToWrite() > 0 && !hungUp() ? failStuck() : failLost();
    }
    written_ = true;
    line_.handedOver(static_cast<int>(bytes.size()));
    watchCarried();
    return true;
}

void QtSerialPort::watchCarried() {
    carried_.start(std::chrono::ceil<std::chrono::milliseconds>(line_.timeLeft()));
}

// Said by the last of the lines to finish. The open port's line is looked at when its clock
// says it is idle, then a slice at a time while the system still holds bytes; one that still
// holds some two seconds later is left for the next write or the close to find stuck.
void QtSerialPort::checkCarried() {
    if (!draining_.empty()) {
        return;
    }
    if (port_->isOpen() && written_) {
        const auto now = LineClock::Clock::now();
        if (line_.isBusy(now)) {
            watchCarried();
            return;
        }
        if (queuedBytes(port_->handle()) > 0) {
            if (now < line_.idleAt() + StuckMargin) {
                carried_.start(CarriedSlice);
            }
            return;
        }
    }
    emit lineCarried();
}

bool QtSerialPort::deviceLost() const {
    return !port_->isOpen() || port_->error() == SystemSerialPort::ResourceError ||
           port_->error() == SystemSerialPort::ReadError ||
           port_->error() == SystemSerialPort::WriteError;
}

// A port left open on a vanished device would report it over and over; what was on its line
// is gone with it, and said to be.
bool QtSerialPort::failLost() {
    carried_.stop();
    const QString why = port_->errorString();
    const int unsent = line_.bytesLeft();
    written_ = false;
    close();
    fail(PortProblem::Absent, filled(QStringLiteral("%1 was disconnected (%2)."), {device_, why}));
    if (unsent > 0) {
        emit sendingFailed(PortProblem::Disconnected, device_, unsent);
    }
    return false;
}

// The kernel's queue is full and the line has not hung up: the adapter takes nothing more.
bool QtSerialPort::failStuck() {
    carried_.stop();
    const int unsent = line_.bytesLeft() + static_cast<int>(port_->bytesToWrite());
    port_->clear(SystemSerialPort::Output);
    written_ = false;
    close();
    fail(PortProblem::Stuck, filled(QStringLiteral("%1 takes no more bytes."), {device_}));
    emit sendingFailed(PortProblem::Stuck, device_, unsent);
    return false;
}

bool QtSerialPort::hungUp() const {
    return lineHungUp(port_->handle());
}

// An unplugged adapter hangs the line up: every read then fails at once, over and over, so
// a read error closes the port like a vanished device.
void QtSerialPort::onError(SystemSerialPort::SerialPortError error) {
    if (error == SystemSerialPort::NoError) {
        return;
    }
    if (error == SystemSerialPort::ResourceError || error == SystemSerialPort::ReadError) {
        QTimer::singleShot(0, this, [this, error] {
            if (port_->isOpen() && port_->error() == error) {
                failLost();
            }
        });
    }
    emit commEvent(CommEvent::Other);
}

void QtSerialPort::setReceiveThreshold(int bytes) {
    threshold_ = bytes;
    if (threshold_ > 0 && port_->isOpen() && port_->bytesAvailable() > 0) {
        QTimer::singleShot(0, this, &QtSerialPort::notifyIfWaiting);
    }
}

void QtSerialPort::notifyIfWaiting() {
    if (threshold_ > 0 && port_->isOpen() && port_->bytesAvailable() > 0) {
        emit commEvent(CommEvent::DataReceived);
    }
}

}  // namespace rotaline
