#include "platform/DeviceWatch.h"

// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

namespace rotaline {

namespace {

// Changes close together (a hub plugged in, a flapping adapter) are told once they have settled.
constexpr std::chrono::milliseconds Settle{100};
constexpr wchar_t WindowClass[] = L"RotalineDeviceWatch";

// Windows tells every top-level window, also a hidden one, when devices come and go
// (WM_DEVICECHANGE); a message-only window would hear none of it. Qt's event loop dispatches
// the messages of every window of its thread, so the console program hears them too.
LRESULT CALLBACK onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DEVICECHANGE &&
        (wParam == DBT_DEVNODES_CHANGED || wParam == DBT_DEVICEARRIVAL ||
         wParam == DBT_DEVICEREMOVECOMPLETE)) {
        if (auto* settle = reinterpret_cast<QTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            settle->start();
        }
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The hidden window, gone with the watch.
class Listener : public QObject {
public:
    Listener(QTimer* settle, QObject* parent) : QObject(parent) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = onMessage;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = WindowClass;
        RegisterClassW(&windowClass);  // fails harmlessly when a watch made it before
        window_ = CreateWindowExW(0, WindowClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        if (window_ != nullptr) {
            SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(settle));
        }
    }
    ~Listener() override {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

private:
    HWND window_ = nullptr;
};

}  // namespace

DeviceWatch::DeviceWatch(DeviceFolders folders, QObject* parent)
    : QObject(parent), folders_(std::move(folders)) {
    settle_.setSingleShot(true);
    settle_.setInterval(Settle);
    connect(&settle_, &QTimer::timeout, this, &DeviceWatch::changed);
    new Listener(&settle_, this);
}

// A port by hand is a COM port too, which the same messages tell of.
void DeviceWatch::follow(const QString&) {}

}  // namespace rotaline
