#include "app/cli/CliNamesFile.h"

#include <ostream>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"

namespace vitalune::cli {

std::string OneFile(const CliArgs& parsed, std::string_view what) {
    if (parsed.Positionals().size() != 1) {
        throw UsageError("expected one " + std::string{what});
    }
    return parsed.Positionals().front();
}

std::optional<LoadResult> LoadNamesFile(NamesDatabase& database, const std::string& file, CliIo& io,
                                        std::string_view command,
                                        std::vector<DroppedLine>* dropped) {
    LoadOptions options;
    options.createMissing = false;
    options.dropped = dropped;
    const LoadResult result = database.LoadFromFile(file, options);
    switch (result.outcome) {
        case LoadResult::Outcome::Loaded:
        case LoadResult::Outcome::NoGroups:
            return result;
        case LoadResult::Outcome::Missing:
            io.err << "vitalune-cli " << command << ": no file " << file << '\n';
            return std::nullopt;
        case LoadResult::Outcome::Unreadable:
            io.err << "vitalune-cli " << command << ": " << result.readError << '\n';
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace vitalune::cli
