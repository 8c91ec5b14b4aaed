#include "core/reports/ForecastReport.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "core/db/NamesDatabase.h"
#include "core/engine/DateText.h"
#include "core/engine/DayWeather.h"
#include "core/reports/ReportPictureFiles.h"

namespace vitalune {

namespace {

constexpr std::string_view kRhythmNames[4] = {"Physical", "Emotional", "Intellectual", "Intuitive"};
constexpr std::string_view kTableStart =
    "<table border=\"0\" width=\"700\" cellspacing=\"0\" cellpadding=\"0\" "
    "style=\"font-family: Arial; font-size: 10pt";
constexpr std::string_view kSpacer = "<p style=\"margin-top: 3; margin-bottom: 3\">&nbsp;</p>";
constexpr std::string_view kRedStar = "<font color=\"#FF0000\">*</font>";

void LevelLines(std::vector<std::string>& lines, const LevelCriteria& page, bool sunny) {
    const auto level = [sunny](int item) {
        return sunny ? std::to_string(SunnyThreshold(item)) + "% or higher"
                     : "less than " + std::to_string(RainyBound(item) + 1) + "%";
    };
    if (ShowsAll(page)) {
        lines.push_back("Show days when overall state is " + level(page.overallLevel));
    }
    for (std::size_t i = 0; i < 4; ++i) {
        if (page.rhythm[i]) {
            lines.push_back("Show days when " + std::string{kRhythmNames[i]} + " rhythm is " +
                            level(page.level[i]));
        }
    }
}

// Whether the page searched has a rhythm choice, and so a search mode worth telling.
std::optional<bool> SearchModeAnd(const ForecastCriteria& c) {
    switch (c.kind) {
        case ForecastKind::Sunny:
            return ShowsAll(c.sunny) ? std::nullopt : std::optional<bool>{c.sunny.useAnd};
        case ForecastKind::Rainy:
            return ShowsAll(c.rainy) ? std::nullopt : std::optional<bool>{c.rainy.useAnd};
        case ForecastKind::Critical:
            return ShowsAllCritical(c) ? std::nullopt : std::optional<bool>{c.criticalAnd};
        case ForecastKind::Stress:
            break;
    }
    return std::nullopt;
}

void LabelCell(HtmlWriter& html, std::string_view label, bool top) {
    html.Raw("<td width=\"162\" align=\"right\"")
        .Raw(top ? " valign=\"top\"" : "")
        .Raw("><b>")
        .Raw(label)
        .Raw(":&nbsp;</b></td><td width=\"534\"")
        .Raw(top ? " valign=\"top\"" : "")
        .Raw(">");
}

void InfoRow(HtmlWriter& html, std::string_view label, std::string_view value) {
    html.Raw("<tr height=\"23\">");
    LabelCell(html, label, false);
    html.Text(value).Raw("</td></tr>");
}

// Who the report is for, the options in words, the term and the number of days shown; `extra`
// adds rows after the search mode.
void Information(HtmlWriter& html, std::string_view reportFor, const ForecastCriteria& c,
                 std::int32_t endDate, std::size_t hits, const std::function<void()>& extra = {}) {
    html.Raw(kTableStart).Raw("\">");
    InfoRow(html, "Report for", reportFor);
    html.Raw("<tr height=\"15\"><td width=\"162\"></td><td width=\"534\"></td></tr>");
    html.Raw("<tr height=\"23\">");
    LabelCell(html, "Search options", true);
    for (const std::string& line : SearchOptionLines(c)) {
        html.Raw("<p style=\"margin-top: 1; margin-bottom: 3\">").Text(line).Raw("</p>");
    }
    html.Raw("</td></tr>");
    if (const auto useAnd = SearchModeAnd(c)) {
        InfoRow(html, "Search mode", *useAnd ? "AND" : "OR");
    }
    if (extra) {
        extra();
    }
    InfoRow(
        html, "Report term",
        "From " + DateText(std::clamp(c.startDate, kMinDay, kMaxDay)) + " to " + DateText(endDate));
    InfoRow(html, "Results shown", std::to_string(hits));
    html.Raw("</table>");
}

void Legend(HtmlWriter& html) {
    html.Raw(kSpacer)
        .Raw(kTableStart)
        .Raw("\"><tr><td>&nbsp;")
        .Raw(kRedStar)
        .Raw("&nbsp;critical days are marked by red asterisks&nbsp;</td></tr></table>")
        .Raw(kSpacer);
}

void HeaderCell(HtmlWriter& html, std::string_view width, std::string_view title, bool twoColumns) {
    html.Raw("<td width=\"")
        .Raw(width)
        .Raw("\" height=\"22\"")
        .Raw(twoColumns ? " colspan=\"2\"" : "")
        .Raw("><b><font size=\"3\">")
        .Text(title)
        .Raw("</font></b></td>");
}

// Every second row is shaded so long lists stay readable.
std::string_view RowStart(std::size_t index) {
    return index % 2 == 1 ? "<tr bgcolor=\"#F0F1FF\">" : "<tr>";
}

class ForecastPage {
  public:
    explicit ForecastPage(const ForecastReportInput& input) : m_input(input) {}

    HtmlWriter Build() {
        m_html.Reserve(4096 + m_input.result.hits.size() * 700);
        Head();
        Information(m_html, m_input.name + ", " + DateText(m_input.birth), m_input.criteria,
                    m_input.result.endDate, m_input.result.hits.size());
        Legend(m_html);
        Results();
        m_html.Raw("</table></center></body></html>");
        return std::move(m_html);
    }

  private:
    void Head() {
        m_html.Raw(ReportHead("Personal Forecast", "&nbsp;Personal Forecast"))
            .Raw("<p style=\"margin-top: 5; margin-bottom: 5\">&nbsp;</p>");
    }

    void HitRow(std::size_t index, const ForecastHit& hit) {
        m_html.Raw(RowStart(index));
        m_html.Raw("<td width=\"107\">").Text(DateText(hit.date)).Raw("</td>");
        for (std::size_t i = 0; i < 4; ++i) {
            m_html.Raw("<td width=\"83\" align=\"right\">")
                .Number(hit.day.percent[i])
                .Raw("%</td><td width=\"24\">")
                .Raw(hit.day.critical[i] ? kRedStar : "&nbsp;")
                .Raw("</td>");
        }
        m_html.Raw("<td width=\"109\">").Number(hit.day.overall).Raw("%</td><td width=\"108\">");
        if (hit.day.criticalCount > 0) {
            m_html.Raw("<font color=\"#FF0000\">")
                .Raw(std::string(static_cast<std::size_t>(hit.day.criticalCount), '*'))
                .Raw("</font>");
        }
        m_html.Raw("</td></tr>");
    }

    void Results() {
        m_html.Raw(kTableStart).Raw("; text-align: center\"><tr bgcolor=\"#C8C2FC\">");
        HeaderCell(m_html, "107", "Date", false);
        HeaderCell(m_html, "107", "Physical", true);
        HeaderCell(m_html, "107", "Emotional", true);
        HeaderCell(m_html, "107", "Intellectual", true);
        HeaderCell(m_html, "108", "Intuitive", true);
        HeaderCell(m_html, "108", "Overall", false);
        HeaderCell(m_html, "108", "Critical", false);
        m_html.Raw("</tr>");
        const auto& hits = m_input.result.hits;
        for (std::size_t i = 0; i < hits.size(); ++i) {
            HitRow(i, hits[i]);
        }
        m_html.Raw("<tr><td colspan=\"11\" height=\"22\" bgcolor=\"#C8C2FC\"></td></tr>");
    }

    const ForecastReportInput& m_input;
    HtmlWriter m_html;
};

// One row per day found: each member's overall value with its weather picture, starred when
// the member has a critical day.
class GroupForecastPage {
  public:
    explicit GroupForecastPage(const GroupForecastReportInput& input) : m_input(input) {}

    HtmlWriter Build() {
        const std::size_t members = m_input.members.size();
        m_html.Reserve(4096 + m_input.result.hits.size() * (120 + members * 200));
        m_html.Raw(ReportHead("Group Forecast", "&nbsp;Group Forecast"))
            .Raw("<p style=\"margin-top: 5; margin-bottom: 5\">&nbsp;</p>");
        const std::string reportFor = m_input.groupName + " (" + std::to_string(members) +
                                      (members == 1 ? " member)" : " members)");
        Information(m_html, reportFor, m_input.criteria, m_input.result.endDate,
                    m_input.result.hits.size(), [this] {
                        if (MembersModeApplies(m_input.criteria.kind)) {
                            InfoRow(m_html, "Days when",
                                    m_input.mode == GroupMembers::Any ? "any member qualifies"
                                                                      : "every member qualifies");
                        }
                    });
        Legend(m_html);
        Results();
        m_html.Raw("</table></center></body></html>");
        return std::move(m_html);
    }

  private:
    void Results() {
        // The table grows with the group rather than squeezing names into the page's width.
        m_html.Raw(
            "<table border=\"0\" cellspacing=\"0\" cellpadding=\"2\" "
            "style=\"font-family: Arial; font-size: 10pt; text-align: center\">"
            "<tr bgcolor=\"#C8C2FC\">");
        HeaderCell(m_html, "107", "Date", false);
        for (const GroupForecastMember& member : m_input.members) {
            HeaderCell(m_html, "96", member.name, false);
        }
        m_html.Raw("</tr>");
        const auto& hits = m_input.result.hits;
        for (std::size_t i = 0; i < hits.size(); ++i) {
            m_html.Raw(RowStart(i));
            m_html.Raw("<td>").Text(DateText(hits[i].date)).Raw("</td>");
            for (const DayRhythms& day : hits[i].members) {
                m_html.Raw("<td nowrap>")
                    .Number(day.overall)
                    .Raw("%&nbsp;<img border=\"0\" src=\"")
                    .Text(DataFolderFileRef(m_input.dataFolder,
                                            WeatherPicturePath(WeatherBand(day.overall))))
                    .Raw("\" width=\"16\" height=\"16\">")
                    .Raw(day.criticalCount > 0 ? kRedStar : "&nbsp;")
                    .Raw("</td>");
            }
            m_html.Raw("</tr>");
        }
        m_html.Raw("<tr><td colspan=\"")
            .Number(static_cast<std::int64_t>(m_input.members.size() + 1))
            .Raw("\" height=\"22\" bgcolor=\"#C8C2FC\"></td></tr>");
    }

    const GroupForecastReportInput& m_input;
    HtmlWriter m_html;
};

}  // namespace

ReportResult NothingFoundResult() {
    ReportResult nothing;
    nothing.ok = false;
    nothing.message = std::string{kNothingFoundMessage};
    return nothing;
}

std::vector<std::string> SearchOptionLines(const ForecastCriteria& c) {
    std::vector<std::string> lines;
    switch (c.kind) {
        case ForecastKind::Sunny:
            LevelLines(lines, c.sunny, true);
            break;
        case ForecastKind::Rainy:
            LevelLines(lines, c.rainy, false);
            break;
        case ForecastKind::Critical:
            if (ShowsAllCritical(c)) {
                lines.emplace_back("Show all critical days");
            }
            for (std::size_t i = 0; i < 4; ++i) {
                if (c.criticalRhythm[i]) {
                    lines.push_back("Show days when " + std::string{kRhythmNames[i]} +
                                    " abilities are unstable");
                }
            }
            break;
        case ForecastKind::Stress:
            switch (c.stressMode) {
                case StressMode::All:
                    lines.emplace_back("Show all stressful days");
                    break;
                case StressMode::Women:
                    lines.emplace_back(
                        "Show days, stressful for women (Intellectual maximum and Emotional "
                        "minimum)");
                    break;
                case StressMode::Men:
                    lines.emplace_back(
                        "Show days, stressful for men (Emotional maximum and Intellectual "
                        "minimum)");
                    break;
            }
            break;
    }
    return lines;
}

std::string ForecastReportHtml(const ForecastReportInput& input) {
    return ForecastPage(input).Build().Bytes();
}

ReportResult WriteForecastReport(const ForecastReportInput& input,
                                 const std::filesystem::path& file, FileOps* ops) {
    if (input.result.hits.empty()) {
        return NothingFoundResult();
    }
    return WriteReportFile(file, ForecastPage(input).Build(), ops);
}

std::vector<GroupForecastMember> GroupForecastMembers(const NamesDatabase& db, std::size_t group) {
    std::vector<GroupForecastMember> members;
    if (group >= db.GroupCount()) {
        return members;
    }
    for (const std::string_view line : db.Persons(group)) {
        if (const std::int32_t birth = ParseDob(PersonDateText(line)); birth != 0) {
            members.push_back({SplitPersonLine(line).name, static_cast<DateTime>(birth)});
        }
    }
    return members;
}

std::string GroupForecastReportHtml(const GroupForecastReportInput& input) {
    return GroupForecastPage(input).Build().Bytes();
}

ReportResult WriteGroupForecastReport(const GroupForecastReportInput& input,
                                      const std::filesystem::path& file, FileOps* ops) {
    if (input.result.hits.empty()) {
        return NothingFoundResult();
    }
    return WriteReportFile(file, GroupForecastPage(input).Build(), ops);
}

}  // namespace vitalune
