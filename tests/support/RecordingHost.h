#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "window/FormHost.h"

namespace rotaline::testing {

// A window stand-in: counts About requests, runs `onUnload` on unload, and runs `onWait` in
// place of the real wait when one is set.
class RecordingHost : public FormHost {
public:
    void showAbout() override { ++abouts; }
    void unload() override {
        if (onUnload) {
            onUnload();
        }
    }
    void waitProcessingEvents(int milliseconds) override {
        if (onWait) {
            onWait(milliseconds);
            return;
        }
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }

    int abouts = 0;
    std::function<void()> onUnload;
    std::function<void(int)> onWait;
};

}  // namespace rotaline::testing
