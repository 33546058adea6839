#include "platform/ExitSignals.h"

#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <csignal>

namespace rotaline {

namespace {

constexpr int Passed = 2;  // requests that arrive as `received`; the next one ends at once
constexpr int EndSessionMilliseconds = 4000;  // Windows ends a program that takes longer
ExitSignals* instance = nullptr;
std::atomic<int> first{0};
std::atomic<int> count{0};

// False when the request is no longer ours to take.
bool pass(int signal) {
    if (count == Passed || instance == nullptr) {
        return false;
    }
    ++count;
    int none = 0;
    first.compare_exchange_strong(none, signal);
    QMetaObject::invokeMethod(
        instance, [signal] { emit instance->received(signal); }, Qt::QueuedConnection);
    return true;
}

// Ctrl+C, Ctrl+Break and the console window's close button, on a thread of the system's. After
// a close the system ends the program as soon as this returns, so it waits for the end.
BOOL WINAPI onConsole(DWORD event) {
    const int signal = event == CTRL_C_EVENT       ? SIGINT
                       : event == CTRL_BREAK_EVENT ? SIGBREAK
                                                   : SIGTERM;
    if (!pass(signal)) {
        return FALSE;
    }
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        Sleep(INFINITE);
    }
    return TRUE;
}

// Log-off and shutdown ask the window first; the program then ends as Exit does, within the
// time Windows gives it once the session ends.
class SessionEnd : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override {
        const MSG* msg = static_cast<const MSG*>(message);
        if (type != "windows_generic_MSG" ||
            (msg->message != WM_QUERYENDSESSION && msg->message != WM_ENDSESSION)) {
            return false;
        }
        if (msg->message == WM_QUERYENDSESSION) {
            *result = TRUE;
            return true;
        }
        if (msg->wParam == TRUE && pass(SIGTERM)) {
            QEventLoop finishing;
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, &finishing, &QEventLoop::quit);
            QTimer::singleShot(EndSessionMilliseconds, &finishing, &QEventLoop::quit);
            finishing.exec();
        }
        *result = 0;
        return true;
    }
};

SessionEnd sessionEnd;

}  // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    first = 0;
    count = 0;
    instance = this;
    SetConsoleCtrlHandler(onConsole, TRUE);
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(&sessionEnd);
    }
}

ExitSignals::~ExitSignals() {
    SetConsoleCtrlHandler(onConsole, FALSE);
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(&sessionEnd);
    }
    instance = nullptr;
}

int ExitSignals::caught() {
    return first;
}

}  // namespace rotaline
