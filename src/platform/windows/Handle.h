#pragma once

#include <windows.h>

#include <QString>

namespace rotaline {

// Closes a handle of CreateFileW, releasing its locks with it.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    void reset(HANDLE handle) {
        close();
        handle_ = handle;
    }
    // Hands the handle over, no longer closed here.
    HANDLE release() {
        const HANDLE kept = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return kept;
    }
    // Closes it now; false when the close failed.
    bool close() {
        const bool closed = !valid() || CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

inline const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

}  // namespace rotaline
