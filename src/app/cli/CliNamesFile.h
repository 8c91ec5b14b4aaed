#pragma once
// The names database file a command names, read as the program reads it. Shared by the db,
// match and report commands so that they tell the same faults the same way.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/NamesDatabase.h"

namespace vitalune::cli {

struct CliIo;
class CliArgs;

// The one FILE argument; `what` names it in the usage error.
std::string OneFile(const CliArgs& parsed, std::string_view what);

// Loads without creating a missing file. Nothing (with the reason on stderr, the message
// starting "vitalune-cli COMMAND: ") when the file is missing or cannot be read; a file
// without a group header loads as the empty database and is left to the command to judge.
std::optional<LoadResult> LoadNamesFile(NamesDatabase& database, const std::string& file, CliIo& io,
                                        std::string_view command,
                                        std::vector<DroppedLine>* dropped = nullptr);

}  // namespace vitalune::cli
