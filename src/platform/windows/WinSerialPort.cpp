#include "platform/windows/WinSerialPort.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/windows/SystemError.h"

namespace rotaline {

namespace {

constexpr int LookMilliseconds = 20;

HANDLE handleOf(void* handle) {
    return static_cast<HANDLE>(handle);
}

std::wstring deviceName(QString name) {
    if (!name.startsWith(QLatin1String("\\\\.\\"))) {
        name.prepend(QLatin1String("\\\\.\\"));
    }
    return name.toStdWString();
}

BYTE parityOf(WinSerialPort::Parity parity) {
    switch (parity) {
        case WinSerialPort::EvenParity:
            return EVENPARITY;
        case WinSerialPort::OddParity:
            return ODDPARITY;
        case WinSerialPort::SpaceParity:
            return SPACEPARITY;
        case WinSerialPort::MarkParity:
            return MARKPARITY;
        default:
            return NOPARITY;
    }
}

BYTE stopBitsOf(WinSerialPort::StopBits bits) {
    switch (bits) {
        case WinSerialPort::OneAndHalfStop:
            return ONE5STOPBITS;
        case WinSerialPort::TwoStop:
            return TWOSTOPBITS;
        default:
            return ONESTOPBIT;
    }
}

}  // namespace

// A write the driver has not finished; its bytes and its OVERLAPPED live until it has.
struct WinSerialPort::Write {
    OVERLAPPED overlapped{};
    QByteArray bytes;
};

// The line as the port had it when we opened it, put back when we close it: the next program
// (or the next run of ours) finds the port as it was, not at 300 baud 8E1 with DTR raised.
struct WinSerialPort::LineState {
    DCB dcb{};
    COMMTIMEOUTS timeouts{};
};

WinSerialPort::WinSerialPort(QObject* parent) : QIODevice(parent) {
    look_.setInterval(LookMilliseconds);
    connect(&look_, &QTimer::timeout, this, &WinSerialPort::look);
}

WinSerialPort::~WinSerialPort() {
    close();
}

bool WinSerialPort::setBaudRate(qint32 baud) {
    baud_ = baud;
    return !isOpen() || applyLine();
}

bool WinSerialPort::setParity(Parity parity) {
    parity_ = parity;
    return !isOpen() || applyLine();
}

bool WinSerialPort::setDataBits(DataBits bits) {
    dataBits_ = bits;
    return !isOpen() || applyLine();
}

bool WinSerialPort::setStopBits(StopBits bits) {
    stopBits_ = bits;
    return !isOpen() || applyLine();
}

void WinSerialPort::setError(SerialPortError error, const QString& text) {
    error_ = error;
    setErrorString(text);
    emit errorOccurred(error);
}

void WinSerialPort::fail(SerialPortError error) {
    setError(error, lastSystemMessage());
}

bool WinSerialPort::open(OpenMode mode) {
    if (isOpen()) {
        return false;
    }
    handle_ = CreateFileW(deviceName(name_).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                          OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        handle_ = nullptr;
        const DWORD code = GetLastError();
        // Another program's open handle refuses ours with access denied: Windows shares no port.
        setError(code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? DeviceNotFoundError
                 : code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ? PermissionError
                                                                                  : OpenError,
                 systemMessage(code));
        return false;
    }
    auto found = std::make_unique<LineState>();
    found->dcb.DCBlength = sizeof(found->dcb);
    if (GetCommState(handleOf(handle_), &found->dcb) &&
        GetCommTimeouts(handleOf(handle_), &found->timeouts)) {
        found_ = std::move(found);
    }
    // Reads take what has arrived and return at once; writes wait for no time limit.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    if (!applyLine() || !SetCommTimeouts(handleOf(handle_), &timeouts) ||
        !PurgeComm(handleOf(handle_), PURGE_RXCLEAR | PURGE_TXCLEAR)) {
        fail(OpenError);
        restoreLine();
        CloseHandle(handleOf(handle_));
        handle_ = nullptr;
        return false;
    }
    received_.clear();
    QIODevice::open(mode | QIODevice::Unbuffered);
    look_.start();
    return true;
}

bool WinSerialPort::applyLine() {
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(handleOf(handle_), &dcb)) {
        return false;
    }
    dcb.BaudRate = static_cast<DWORD>(baud_);
    dcb.ByteSize = static_cast<BYTE>(dataBits_);
    dcb.Parity = parityOf(parity_);
    dcb.StopBits = stopBitsOf(stopBits_);
    dcb.fBinary = TRUE;
    dcb.fParity = parity_ != NoParity;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    return SetCommState(handleOf(handle_), &dcb) != 0;
}

void WinSerialPort::restoreLine() {
    if (found_) {
        SetCommState(handleOf(handle_), &found_->dcb);
        SetCommTimeouts(handleOf(handle_), &found_->timeouts);
        found_.reset();
    }
}

// Writes still with the driver are cancelled, and waited for, before their memory goes.
void WinSerialPort::close() {
    look_.stop();
    if (handle_ != nullptr) {
        CancelIo(handleOf(handle_));
        for (const std::unique_ptr<Write>& write : writes_) {
            DWORD done = 0;
            GetOverlappedResult(handleOf(handle_), &write->overlapped, &done, TRUE);
        }
        writes_.clear();
        restoreLine();
        CloseHandle(handleOf(handle_));
        handle_ = nullptr;
    }
    received_.clear();
    QIODevice::close();
}

// The driver's errors are cleared and its input queue read; a call that fails means the
// device is gone (an adapter pulled out).
void WinSerialPort::look() {
    if (handle_ == nullptr) {
        return;
    }
    reapWrites();
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handleOf(handle_), &errors, &status)) {
        look_.stop();
        return fail(ResourceError);
    }
    if (status.cbInQue == 0) {
        return;
    }
    QByteArray bytes(static_cast<qsizetype>(status.cbInQue), '\0');
    OVERLAPPED overlapped{};
    DWORD read = 0;
    if (!ReadFile(handleOf(handle_), bytes.data(), status.cbInQue, nullptr, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        look_.stop();
        return fail(ReadError);
    }
    if (!GetOverlappedResult(handleOf(handle_), &overlapped, &read, TRUE)) {
        look_.stop();
        return fail(ReadError);
    }
    if (read > 0) {
        received_.append(bytes.constData(), static_cast<qsizetype>(read));
        emit readyRead();
    }
}

void WinSerialPort::reapWrites() const {
    while (!writes_.empty() && HasOverlappedIoCompleted(&writes_.front()->overlapped)) {
        writes_.pop_front();
    }
}

qint64 WinSerialPort::bytesAvailable() const {
    return received_.size() + QIODevice::bytesAvailable();
}

// What the driver has not yet finished writing.
qint64 WinSerialPort::bytesToWrite() const {
    reapWrites();
    qint64 pending = 0;
    for (const std::unique_ptr<Write>& write : writes_) {
        pending += write->bytes.size();
    }
    return pending;
}

bool WinSerialPort::clear(Direction directions) {
    if (handle_ == nullptr) {
        return false;
    }
    DWORD flags = 0;
    if ((directions & Input) != 0) {
        flags |= PURGE_RXABORT | PURGE_RXCLEAR;
        received_.clear();
    }
    if ((directions & Output) != 0) {
        flags |= PURGE_TXABORT | PURGE_TXCLEAR;
    }
    return PurgeComm(handleOf(handle_), flags) != 0;
}

qint64 WinSerialPort::readData(char* data, qint64 size) {
    const qint64 taken = std::min<qint64>(size, received_.size());
    std::memcpy(data, received_.constData(), static_cast<size_t>(taken));
    received_.remove(0, static_cast<qsizetype>(taken));
    return taken;
}

qint64 WinSerialPort::writeData(const char* data, qint64 size) {
    auto write = std::make_unique<Write>();
    write->bytes = QByteArray(data, static_cast<qsizetype>(size));
    if (!WriteFile(handleOf(handle_), write->bytes.constData(), static_cast<DWORD>(size), nullptr,
                   &write->overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        const DWORD code = GetLastError();
        setError(code == ERROR_ACCESS_DENIED ? ResourceError : WriteError, systemMessage(code));
        return -1;
    }
    writes_.push_back(std::move(write));
    return size;
}

}  // namespace rotaline
