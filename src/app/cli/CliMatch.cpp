// "vitalune-cli match" and the group and personal reports: the matching window's search over a
// names database file, with options that mirror its controls.
#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <tuple>

#include "app/cli/Cli.h"
#include "app/cli/CliArgs.h"
#include "app/cli/CliCriteria.h"
#include "app/cli/CliNamesFile.h"
#include "app/cli/CliReport.h"
#include "app/cli/Json.h"
#include "core/db/NamesDatabase.h"
#include "core/engine/Clock.h"
#include "core/engine/DateInput.h"
#include "core/engine/DateText.h"
#include "core/matching/Matching.h"
#include "core/reports/GroupReport.h"
#include "core/reports/PersonalReport.h"

namespace vitalune::cli {

namespace {

std::string Lower(std::string_view text) {
    std::string out{text};
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// A text of digits below the limit: old scripts name groups and persons by their index, so an
// index is read first and a name made of digits only where no such index exists.
std::optional<std::size_t> AsIndex(std::string_view text, std::size_t limit) {
    const bool digits =
        !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const std::size_t value = digits ? std::stoul(std::string{text}) : limit;
    return value < limit ? std::optional{value} : std::nullopt;
}

// A whole number 0..limit-1, for list items.
int Index(std::string_view option, std::string_view text, std::size_t limit,
          std::string_view what) {
    const auto value = AsIndex(text, limit);
    if (!value) {
        throw UsageError(std::string{option} + ": \"" + std::string{text} + "\" is not " +
                         std::string{what} + " (0 to " + std::to_string(limit - 1) + ")");
    }
    return static_cast<int>(*value);
}

// A database to match in: any fault of the file, and a file without groups, ends the command.
bool LoadDatabase(NamesDatabase& database, const std::string& file, CliIo& io,
                  std::string_view command) {
    const auto result = LoadNamesFile(database, file, io, command);
    if (result && result->outcome == LoadResult::Outcome::NoGroups) {
        io.err << "vitalune-cli " << command << ": " << file << " holds no group\n";
        return false;
    }
    return result.has_value();
}

[[noreturn]] void NotFound(std::string_view option, std::string_view text, std::string_view what,
                           std::size_t count) {
    throw UsageError(std::string{option} + ": \"" + std::string{text} + "\" is not " +
                     std::string{what} + " (a name, or an index 0 to " +
                     std::to_string(count == 0 ? 0 : count - 1) + ")");
}

std::size_t ChooseGroup(std::string_view option, const std::string& text, const NamesDatabase& db,
                        std::string_view what = "a group of the file") {
    if (const auto index = AsIndex(text, db.GroupCount())) {
        return *index;
    }
    if (const auto found = db.FindGroup(text)) {
        return *found;
    }
    NotFound(option, text, what, db.GroupCount());
}

// A person of the database chosen by "--group G --person P" (or the given option names), each
// by index or by name; of persons of the same name the first listed.
std::pair<std::size_t, std::size_t> ChoosePerson(const CliArgs& args, const NamesDatabase& db,
                                                 std::string_view groupOption,
                                                 std::string_view personOption) {
    const std::size_t group = ChooseGroup(groupOption, args.Required(groupOption), db);
    const std::string text = args.Required(personOption);
    const PersonList& persons = db.Persons(group);
    if (const auto index = AsIndex(text, persons.size())) {
        return {group, *index};
    }
    for (std::size_t p = 0; p < persons.size(); ++p) {
        if (SplitPersonLine(persons[p]).name == text) {
            return {group, p};
        }
    }
    NotFound(personOption, text, "a person of the group", persons.size());
}

void ApplyAge(MatchCriteria& c, const std::string& text) {
    const auto dash = text.find('-');
    const auto years = [&](std::string_view part, int from, int to) {
        const bool digits =
            !part.empty() && part.size() <= 3 &&
            std::all_of(part.begin(), part.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
        const int value = digits ? std::stoi(std::string{part}) : -1;
        if (value < from || value > to || value % 5 != 0) {
            throw UsageError("--age: \"" + text + "\" is not A-B with A one of 0, 5, ... 90 and " +
                             "B one of 5, 10, ... 95 above A");
        }
        return value;
    };
    if (dash == std::string::npos) {
        years("", 0, 0);
    }
    const int from = years(std::string_view{text}.substr(0, dash), 0, 90);
    const int to = years(std::string_view{text}.substr(dash + 1), 5, 95);
    if (to <= from) {
        years("", 0, 0);
    }
    c.ageCheck = true;
    c.ageBegin = from / 5;
    c.ageEnd = to / 5 - 1;
}

void ApplyRatings(MatchCriteria& c, const std::string& text) {
    std::array<WantedRating, 3> ratings{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t comma = text.find(',', at);
        if ((i < 2) == (comma == std::string::npos)) {
            throw UsageError("--ratings: \"" + text + "\" is not three items P,E,I");
        }
        const std::string part = text.substr(at, comma == std::string::npos ? comma : comma - at);
        ratings[i] =
            static_cast<WantedRating>(Index("--ratings", part, kRatingItemCount,
                                            "a rating item (0 Any, 1 Excellent, 2 Good, 3 Weak, "
                                            "4 None)"));
        at = comma + 1;
    }
    c.ratings = ratings;
}

}  // namespace

MatchCriteria MatchCriteriaFromArgs(const CliArgs& args, const NamesDatabase& db) {
    MatchCriteria c;
    std::tie(c.baseGroup, c.basePerson) = ChoosePerson(args, db, "--group", "--person");
    if (const auto in = args.Option("--in-group"); in && Lower(*in) != "all") {
        c.searchItem =
            static_cast<int>(ChooseGroup("--in-group", *in, db, "\"all\" or a group of the file")) +
            1;
    }
    if (const auto sex = args.Option("--sex")) {
        const std::string s = Lower(*sex);
        if (s == "any") {
            c.sex = SexFilter::Any;
        } else if (s == "male") {
            c.sex = SexFilter::Male;
        } else if (s == "female") {
            c.sex = SexFilter::Female;
        } else {
            throw UsageError("--sex: \"" + *sex + "\" is not one of any, male, female");
        }
    }
    if (const auto age = args.Option("--age")) {
        ApplyAge(c, *age);
    }
    if (const auto pattern = args.Option("--pattern")) {
        ApplyPattern(c, Index("--pattern", *pattern, kPatternCount, "a pattern item"));
    }
    if (const auto ratings = args.Option("--ratings")) {
        ApplyRatings(c, *ratings);
    }
    c.exact = args.Has("--exact");
    if (const auto sort = args.Option("--sort")) {
        const std::string s = Lower(*sort);
        if (s != "name" && s != "compatibility") {
            throw UsageError("--sort: \"" + *sort + "\" is not name or compatibility");
        }
        c.sort = s == "name" ? MatchSort::Name : MatchSort::Compatibility;
    }
    const std::int32_t today = args.Has("--today") ? RequireDate("--today", *args.Option("--today"))
                                                   : SystemClock().Today();
    c.currentYear = DecodeDate(today).year;
    return c;
}

namespace {

// One entry of the list into `out`, which is reused for every entry so that a million of them
// cost no allocation each.
void AppendEntryJson(std::string& out, const MatchEntry& entry) {
    out += "{\"kind\":";
    AppendJsonString(out, entry.kind);
    out += ",\"name\":";
    AppendJsonString(out, entry.name);
    if (entry.IsPerson()) {
        out += ",\"dob\":";
        AppendJsonString(out, entry.dateOfBirthText);
        out += ",\"compat\":[";
        for (std::size_t i = 0; i < entry.compat.values.size(); ++i) {
            out += i > 0 ? "," : "";
            AppendJsonInt(out, entry.compat.values[i]);
        }
        out += "],\"ratings\":";
        AppendCompatRatings(out, entry.compat);
        out += ",\"compatibility\":";
        AppendCompatNamed(out, entry.compat);
    }
    out += '}';
}

void PrintEntry(std::ostream& out, const MatchEntry& entry) {
    switch (entry.Kind()) {
        case MatchKind::GroupHeader:
            out << ParseGroupEntry(entry.name).name << '\n';
            break;
        case MatchKind::Separator:
            out << '\n';
            break;
        case MatchKind::NobodyFound:
            out << entry.name << '\n';
            break;
        default:
            out << "  " << entry.name << " (" << entry.kind << ", "
                << DateText(ParseDob(entry.dateOfBirthText)) << "): Physical "
                << entry.compat[CompatField::Physical] << "%, Emotional "
                << entry.compat[CompatField::Emotional] << "%, Intellectual "
                << entry.compat[CompatField::Intellectual] << "%, Overall "
                << entry.compat[CompatField::Overall] << "%\n";
    }
}

}  // namespace

int RunMatch(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args,
                         {"--group", "--person", "--in-group", "--sex", "--age", "--pattern",
                          "--ratings", "--sort", "--today"},
                         {"--exact", "--json"});
    const std::string file = OneFile(parsed, "names database FILE");
    const SystemClock clock;
    NamesDatabase db(clock);
    if (!LoadDatabase(db, file, io, "match")) {
        return kExitFailed;
    }
    const MatchCriteria criteria = MatchCriteriaFromArgs(parsed, db);
    // Each entry is written as soon as it is found: the list of a million persons is never
    // kept.
    if (parsed.Has("--json")) {
        io.out << "{\"entries\":";
        JsonArrayWriter entries(io.out);
        std::string json;
        const std::size_t found = VisitMatching(criteria, db, [&](const MatchEntry& entry) {
            json.clear();
            AppendEntryJson(json, entry);
            entries.Add(json);
        });
        entries.Close();
        io.out << ",\"found\":" << found << "}\n";
        return kExitOk;
    }
    const Person base = SplitPersonLine(db.Persons(criteria.baseGroup)[criteria.basePerson]);
    io.out << "Main person: " << base.name << ", " << DateText(ParseDob(base.dateText)) << "\n\n";
    const std::size_t found =
        VisitMatching(criteria, db, [&](const MatchEntry& entry) { PrintEntry(io.out, entry); });
    if (found > 0) {
        io.out << ResultsLabel(found) << '\n';
    }
    return kExitOk;
}

int RunGroupReport(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args,
                         {"--group", "--person", "--in-group", "--sex", "--age", "--pattern",
                          "--ratings", "--sort", "--today", "--data-dir", "-o"},
                         {"--exact", "--embed-pictures"});
    const std::string file = OneFile(parsed, "names database FILE");
    const SystemClock clock;
    NamesDatabase db(clock);
    if (!LoadDatabase(db, file, io, "report group")) {
        return kExitFailed;
    }
    GroupReportInput input;
    input.criteria = MatchCriteriaFromArgs(parsed, db);
    const ReportTarget target = ResolveReportTarget(parsed, kGroupReportFileName);
    const Person base =
        SplitPersonLine(db.Persons(input.criteria.baseGroup)[input.criteria.basePerson]);
    input.baseName = base.name;
    input.baseBirth = ParseDob(base.dateText);
    input.searchAmong = SearchAmongCaption(input.criteria, db);
    const MatchResult result = RunMatching(input.criteria, db);
    if (result.found == 0) {
        io.err << "vitalune-cli report group: " << kNobodyFoundText << ": " << kNoGroupReportHint
               << '\n';
        return kExitFailed;
    }
    return WriteCliReport(target, io, {"group", false, [&](const std::filesystem::path& out) {
                                           return WriteGroupReport(input, result, out);
                                       }});
}

int RunPersonalReport(const std::vector<std::string>& args, CliIo& io) {
    const CliArgs parsed(args,
                         {"--group", "--person", "--with-group", "--with-person", "--name",
                          "--birth", "--name2", "--birth2", "--scheme", "--data-dir", "-o"},
                         {"--embed-pictures"});
    PersonalReportInput input;
    input.pens = DefaultChartAttribs();
    if (const auto scheme = parsed.Option("--scheme")) {
        const std::string s = Lower(*scheme);
        if (s != "hearts" && s != "stars") {
            throw UsageError("--scheme: \"" + *scheme + "\" is not hearts or stars");
        }
        input.scheme = s == "stars" ? PictureScheme::Stars : PictureScheme::Hearts;
    }
    MatchEntry& second = input.second;
    if (!parsed.Positionals().empty()) {
        for (std::string_view option : {"--name", "--birth", "--name2", "--birth2"}) {
            if (parsed.Has(option)) {
                throw UsageError(std::string{option} + " does not go with a names database FILE");
            }
        }
        const std::string file = OneFile(parsed, "names database FILE");
        const SystemClock clock;
        NamesDatabase db(clock);
        if (!LoadDatabase(db, file, io, "report personal")) {
            return kExitFailed;
        }
        const auto [g1, p1] = ChoosePerson(parsed, db, "--group", "--person");
        const auto [g2, p2] = ChoosePerson(parsed, db, "--with-group", "--with-person");
        const Person first = SplitPersonLine(db.Persons(g1)[p1]);
        const Person other = SplitPersonLine(db.Persons(g2)[p2]);
        if (!IsValidPersonLine(db.Persons(g2)[p2])) {
            io.err << "vitalune-cli report personal: \"" << db.Persons(g2)[p2]
                   << "\" is not a person with a date of birth and sex\n";
            return kExitFailed;
        }
        input.firstName = first.name;
        input.firstDateOfBirthText = first.dateText;
        second.name = other.name;
        second.dateOfBirthText = other.dateText;
        second.kind = other.sex;
    } else {
        input.firstName = parsed.Required("--name");
        input.firstDateOfBirthText = FormatDob(RequireDate("--birth", parsed.Required("--birth")));
        second.name = parsed.Required("--name2");
        second.dateOfBirthText = FormatDob(RequireDate("--birth2", parsed.Required("--birth2")));
        second.kind = "M";
    }
    second.compat = ComputeCompatibility(ParseDob(input.firstDateOfBirthText),
                                         ParseDob(second.dateOfBirthText));
    const ReportTarget target = ResolveReportTarget(parsed, kPersonalReportFileName);
    input.dataFolder = target.pictureFolder;
    return WriteCliReport(target, io, {"personal", true, [&](const std::filesystem::path& out) {
                                           return WritePersonalReport(input, out);
                                       }});
}

}  // namespace vitalune::cli
