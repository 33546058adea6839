#include <windows.h>

#include "platform/LineDrain.h"
#include "platform/SystemCalls.h"

namespace rotaline {

namespace {

HANDLE handleOf(qintptr handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

// What the serial driver still holds.
int queuedBytes(qintptr handle) {
    DWORD errors = 0;
    COMSTAT status{};
    return ClearCommError(handleOf(handle), &errors, &status) != 0
               ? static_cast<int>(status.cbOutQue)
               : 0;
}

// A pulled USB adapter's handle fails every call from then on.
bool lineHungUp(qintptr handle) {
    DWORD errors = 0;
    COMSTAT status{};
    return ClearCommError(handleOf(handle), &errors, &status) == 0;
}

void system::pauseOnLine(qintptr, int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}

void system::dropQueued(qintptr handle) {
    PurgeComm(handleOf(handle), PURGE_TXABORT | PURGE_TXCLEAR);
}

}  // namespace rotaline
