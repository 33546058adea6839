#pragma once

#include "platform/Launcher.h"

namespace rotaline {

class SystemLauncher : public Launcher {
public:
    bool fileExists(const QString& path) const override;
    QString findProgram(const QString& name) const override;
    bool start(const QString& program) override;
};

}  // namespace rotaline
