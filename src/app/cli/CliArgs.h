#pragma once
// Arguments of one command: positionals, "--name value" (or "--name=value") options that may
// repeat, and "--flag" switches. Each command says which names it knows; anything else is a
// usage error.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/db/NameRule.h"

namespace vitalune::cli {

// A mistake in the command line; reported on one line with exit code 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class CliArgs {
  public:
    CliArgs(std::vector<std::string> args, std::initializer_list<std::string_view> options,
            std::initializer_list<std::string_view> flags);

    bool Has(std::string_view name) const;                           // option given or flag set
    std::optional<std::string> Option(std::string_view name) const;  // last value given
    std::vector<std::string> Options(std::string_view name) const;   // all values in order
    const std::vector<std::string>& Positionals() const { return m_positionals; }
    // Throws when an option is missing.
    std::string Required(std::string_view name) const;

  private:
    std::vector<std::pair<std::string, std::string>> m_options;
    std::set<std::string, std::less<>> m_flags;
    std::vector<std::string> m_positionals;
};

// Throws a UsageError naming the option when the text is not a date (see ParseDateInput).
std::int32_t RequireDate(std::string_view option, std::string_view text);

// Throws a UsageError naming the option when the text cannot be a name (NameFault): control
// characters would reach the reports and files raw.
std::string RequireName(std::string_view option, std::string text, NameUse use = NameUse::Group);

}  // namespace vitalune::cli
