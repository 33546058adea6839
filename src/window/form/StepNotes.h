#pragma once

#include <QString>

#include "window/controls/Controls.h"

namespace rotaline {

// The note box keeps a line for each thing the controller received. A step that could not send
// all it meant to leaves the box as the step found it, with one line saying the port failed
// (not twice in a row).
class StepNotes {
public:
    explicit StepNotes(Controls& controls) : controls_(controls) {}

    void begin();
    // Something of this step did not reach the controller.
    void failed() { failed_ = true; }
    void end(const QString& failureLine);

private:
    Controls& controls_;
    QString before_;
    bool failed_ = false;
};

}  // namespace rotaline
