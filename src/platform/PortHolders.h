#pragma once

#include <QString>
#include <optional>

namespace rotaline {

struct PortHolder {
    qint64 pid;
    QString program;
};

// Another process that has `device` open, as far as `proc` shows to this user. A process that
// also holds a pseudo-terminal's master side owns pseudo-terminals (a terminal window, the
// virtual controller) and is not counted as using the line.
std::optional<PortHolder> otherHolderOf(const QString& device,
                                        const QString& proc = QStringLiteral("/proc"));

// Whether a process of that program (its /proc comm name) is running, as far as `proc` shows.
bool isRunning(const QString& program, const QString& proc = QStringLiteral("/proc"));

}  // namespace rotaline
