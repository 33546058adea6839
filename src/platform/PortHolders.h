#pragma once

#include <QString>
#include <optional>

namespace rotaline {

struct PortHolder {
    qint64 pid;
    QString program;
};

// Another process that has `device` open, as far as `proc` shows to this user, whatever else
// it holds. The one holding the master side of that very pseudo-terminal is the line's other
// end (the virtual controller), not a user of it. `unseen`: the descriptors of some processes
// (other users', without the superuser's rights) could not be looked at, so a holder may be
// hidden.
struct HolderSearch {
    std::optional<PortHolder> holder;
    bool unseen = false;
};
HolderSearch searchHolders(const QString& device, const QString& proc = QStringLiteral("/proc"));
std::optional<PortHolder> otherHolderOf(const QString& device,
                                        const QString& proc = QStringLiteral("/proc"));

}  // namespace rotaline
