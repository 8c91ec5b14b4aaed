#include <cstdio>
#include <ostream>
#include <vector>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/Json.h"
#include "core/engine/CompatTexts.h"
#include "core/engine/DateInput.h"
#include "core/engine/DateText.h"

namespace vitalune::cli {

namespace {

constexpr const char* kFieldNames[kCompatFieldCount] = {"Physical",  "Emotional", "Intellectual",
                                                        "Intuitive", "Overall",   "Aesthetic",
                                                        "Awareness", "Spiritual"};

std::string Appended(void (*append)(std::string&, const CompatibilityResult&),
                     const CompatibilityResult& result) {
    std::string out;
    append(out, result);
    return out;
}

struct CompatView {
    CompatibilityResult result;
    CompatCombination combination;
};

CompatView Evaluate(std::int32_t a, std::int32_t b) {
    CompatView view{ComputeCompatibility(a, b), 0};
    const auto& v = view.result.values;
    view.combination = SelectCombination(v[0], v[1], v[2]);
    return view;
}

std::string CompatJson(const CompatView& view) {
    const auto& v = view.result.values;
    std::vector<std::string_view> paragraphs;
    for (int i = 0; i < 3; ++i) {
        paragraphs.push_back(CompatTexts::ParagraphFor(i, v[static_cast<std::size_t>(i)]));
    }
    return JsonObject{}
        .Add("values", JsonIntArray(v))
        .Add("ratings", Appended(AppendCompatRatings, view.result))
        .Add("combination", view.combination)
        .Add("title", JsonString(CompatTexts::Title(view.combination)))
        .Add("body", JsonString(CompatTexts::Body(view.combination)))
        .Add("paragraphs", JsonStringArray(paragraphs))
        .Add("compatibility", Appended(AppendCompatNamed, view.result))
        .Str();
}

void PrintCompat(std::ostream& out, std::int32_t a, std::int32_t b, const CompatView& view) {
    out << "Date of birth 1  " << DateText(a) << "\nDate of birth 2  " << DateText(b) << "\n\n";
    char line[96];
    for (int i = 0; i < kCompatFieldCount; ++i) {
        const std::int32_t value = view.result.values[static_cast<std::size_t>(i)];
        std::snprintf(line, sizeof line, "%-14s %4d%%  %s\n", kFieldNames[i], value,
                      std::string{RatingLabel(RateCompatibility(value))}.c_str());
        out << line;
    }
    out << '\n'
        << CompatTexts::Title(view.combination) << "\n\n"
        << CompatTexts::Body(view.combination) << '\n';
    for (int i = 0; i < 3; ++i) {
        out << '\n'
            << CompatTexts::ParagraphFor(i, view.result.values[static_cast<std::size_t>(i)])
            << '\n';
    }
}

}  // namespace

void AppendCompatRatings(std::string& out, const CompatibilityResult& result) {
    out += '[';
    for (std::size_t i = 0; i < 4; ++i) {
        out += i > 0 ? "," : "";
        AppendJsonString(out, RatingLabel(RateCompatibility(result.values[i])));
    }
    out += ']';
}

void AppendCompatNamed(std::string& out, const CompatibilityResult& result) {
    out += '{';
    for (std::size_t i = 0; i < result.values.size(); ++i) {
        out += i > 0 ? "," : "";
        AppendJsonString(out, kCompatKeys[i]);
        out += ':';
        AppendJsonInt(out, result.values[i]);
    }
    out += '}';
}

int RunCompat(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args, {"--birth", "--birth2"}, {"--json"});
    if (!parsed.Positionals().empty()) {
        throw UsageError("unexpected argument \"" + parsed.Positionals().front() + "\"");
    }
    const bool json = parsed.Has("--json");
    if (!parsed.Has("--birth") && !parsed.Has("--birth2")) {
        if (!json) {
            throw UsageError(
                "--birth and --birth2 are required (or --json to read lines of "
                "\"BIRTH BIRTH2\" from standard input)");
        }
        return RunJsonBatch(io, [](std::string_view first, std::string_view second) {
            return CompatJson(Evaluate(RequireDate("birth", first), RequireDate("birth2", second)));
        });
    }
    const auto a = RequireDate("--birth", parsed.Required("--birth"));
    const auto b = RequireDate("--birth2", parsed.Required("--birth2"));
    const CompatView view = Evaluate(a, b);
    if (json) {
        io.out << CompatJson(view) << '\n';
    } else {
        PrintCompat(io.out, a, b, view);
    }
    return kExitOk;
}

}  // namespace vitalune::cli
