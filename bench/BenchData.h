#pragma once
// Names database files of any size for the benchmarks that load one.

#include <cstddef>
#include <string>

namespace vitalune::bench {

// `persons` person lines in `groups` groups, in no particular order, CR LF line ends.
std::string GenerateDatabaseText(std::size_t persons, std::size_t groups);

}  // namespace vitalune::bench
