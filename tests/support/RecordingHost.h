#pragma once

#include <QStringList>
#include <functional>

#include "window/form/FormHost.h"

namespace rotaline::testing {

// A window stand-in: counts About requests, keeps the port problems it is told, runs
// `onUnload` on unload, and runs `onWait` in place of the real wait when one is set.
class RecordingHost : public FormHost {
public:
    void showAbout() override { ++abouts; }
    void portProblem(const Say& help) override { problems << help; }
    void unload() override {
        if (onUnload) {
            onUnload();
        }
    }
    void waitProcessingEvents(int milliseconds) override {
        if (onWait) {
            onWait(milliseconds);
        } else {
            FormHost::waitProcessingEvents(milliseconds);
        }
    }

    int abouts = 0;
    QList<Say> problems;
    std::function<void()> onUnload;
    std::function<void(int)> onWait;
};

}  // namespace rotaline::testing
