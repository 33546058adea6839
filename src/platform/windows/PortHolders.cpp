#include "platform/PortExplanation.h"

namespace rotaline {

// Windows does not tell which program holds a port: the open fails with access denied, and
// that is all anyone learns.
HolderSearch searchHolders(const QString&, const QString&) {
    return {};
}

std::optional<PortHolder> otherHolderOf(const QString&, const QString&) {
    return std::nullopt;
}

// No driver takes adapters away, and no service holds a port to probe it.
PortProblem absenceOf(const QString&) {
    return PortProblem::Absent;
}

PortProblem holdingBy(const PortHolder&) {
    return PortProblem::Busy;
}

}  // namespace rotaline
