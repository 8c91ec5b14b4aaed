#include "app/cli/CliArgs.h"

#include <algorithm>
#include <variant>

#include "core/db/NameRule.h"
#include "core/engine/DateInput.h"

namespace vitalune::cli {

namespace {
bool Contains(std::initializer_list<std::string_view> list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}
}  // namespace

CliArgs::CliArgs(std::vector<std::string> args, std::initializer_list<std::string_view> options,
                 std::initializer_list<std::string_view> flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            m_positionals.insert(m_positionals.end(), args.begin() + static_cast<long>(i) + 1,
                                 args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-' || arg == "-") {
            m_positionals.push_back(arg);
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const auto eq = arg.find('='); eq != std::string::npos && arg.starts_with("--")) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        if (Contains(flags, name)) {
            if (inlineValue) {
                throw UsageError(name + " takes no value");
            }
            m_flags.insert(name);
        } else if (Contains(options, name)) {
            if (inlineValue) {
                m_options.emplace_back(name, *inlineValue);
            } else if (i + 1 < args.size()) {
                m_options.emplace_back(name, args[++i]);
            } else {
                throw UsageError(name + " needs a value");
            }
        } else {
            throw UsageError("unknown option " + name);
        }
    }
}

bool CliArgs::Has(std::string_view name) const {
    return m_flags.contains(name) ||
           std::any_of(m_options.begin(), m_options.end(),
                       [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> CliArgs::Option(std::string_view name) const {
    for (auto it = m_options.rbegin(); it != m_options.rend(); ++it) {
        if (it->first == name) {
            return it->second;
        }
    }
    return std::nullopt;
}

std::vector<std::string> CliArgs::Options(std::string_view name) const {
    std::vector<std::string> values;
    for (const auto& [key, value] : m_options) {
        if (key == name) {
            values.push_back(value);
        }
    }
    return values;
}

std::string CliArgs::Required(std::string_view name) const {
    auto value = Option(name);
    if (!value) {
        throw UsageError(std::string{name} + " is required");
    }
    return *value;
}

std::int32_t RequireDate(std::string_view option, std::string_view text) {
    auto parsed = ParseDateInput(text);
    if (auto* reason = std::get_if<std::string>(&parsed)) {
        throw UsageError(std::string{option} + ": \"" + std::string{text} +
                         "\" is not a date: " + *reason);
    }
    return std::get<std::int32_t>(parsed);
}

std::string RequireName(std::string_view option, std::string text, NameUse use) {
    if (const auto fault = NameFault(text, use)) {
        throw UsageError(std::string{option} + ": " + *fault);
    }
    return text;
}

}  // namespace vitalune::cli
