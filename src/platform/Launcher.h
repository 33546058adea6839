#pragma once

#include <QString>

namespace rotaline {

// Finding and starting other programs.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool fileExists(const QString& path) const = 0;
    // The full path of a program on PATH, or "".
    virtual QString findProgram(const QString& name) const = 0;
    // Starts the program without waiting for it; false when it cannot be started.
    virtual bool start(const QString& program) = 0;
};

}  // namespace rotaline
