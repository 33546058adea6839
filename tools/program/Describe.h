#pragma once

#include <QStringList>
#include <optional>

namespace rotaline {

// Whether the arguments ask to describe or compare settings files rather than send one.
bool isDescribeCommand(const QStringList& arguments);

// --describe [--format text|json] [--lang en|zh] FILE, or --diff [--lang en|zh] A B: prints
// what the files set and returns the exit status; nothing for arguments that make no sense.
std::optional<int> runDescribeCommand(const QStringList& arguments);

}  // namespace rotaline
