#pragma once

#include <array>
#include <cstddef>

#include "platform/AdapterDiagnosis.h"
#include "platform/SerialPort.h"

namespace rotaline {

// What only this system says about its adapters and ports, as source texts of the catalogues:
// the window translates them and fills them in. What every system says alike is the window's.

// A table of the system's, for a range-for.
template <typename Row>
struct Rows {
    constexpr Rows() = default;
    template <std::size_t N>
    constexpr Rows(const std::array<Row, N>& table) : first(table.data()), count(N) {}
    const Row* first = nullptr;
    std::size_t count = 0;
    const Row* begin() const { return first; }
    const Row* end() const { return first + count; }
};

// A cause of the diagnosis only this system finds, in the "AdapterAdvice" catalogue: what it is
// and what to do (%1 the adapter, %2 the module, the group, the program, the command or the
// driver, %3 the program's process, %4 the chips of the package's rule), and its name in the
// JSON report.
struct CauseWords {
    AdapterCause cause;
    const char* name;
    const char* what;
    const char* fix;
};
// The causes only this system finds.
extern const Rows<CauseWords> SystemCauses;

// What the user's standing with the group of serial devices lets it do, in the "AdapterAdvice"
// catalogue (%1 the chips of the package's rule), in the order of GroupStanding; none where the
// system has no group to join.
extern const Rows<const char*> StandingWords;

// What to do about a port problem, in the "PortHelp" catalogue, where the fix is the system's
// own (%2 the chips of the package's rule).
struct PortFixWords {
    PortProblem problem;
    const char* text;
};
extern const Rows<PortFixWords> SystemPortFixes;

}  // namespace rotaline
