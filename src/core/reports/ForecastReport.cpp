#include "core/reports/ForecastReport.h"

#include <algorithm>
#include <optional>

#include "core/engine/DateText.h"

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

class ForecastPage {
  public:
    explicit ForecastPage(const ForecastReportInput& input) : m_input(input) {}

    HtmlWriter Build() {
        m_html.Reserve(4096 + m_input.result.hits.size() * 700);
        Head();
        Information();
        Legend();
        Results();
        m_html.Raw("</table></center></body></html>");
        return std::move(m_html);
    }

  private:
    void Head() {
        m_html.Raw(ReportHead("Personal Forecast", "&nbsp;Personal Forecast"))
            .Raw("<p style=\"margin-top: 5; margin-bottom: 5\">&nbsp;</p>");
    }

    void LabelCell(std::string_view label, bool top) {
        m_html.Raw("<td width=\"162\" align=\"right\"")
            .Raw(top ? " valign=\"top\"" : "")
            .Raw("><b>")
            .Raw(label)
            .Raw(":&nbsp;</b></td><td width=\"534\"")
            .Raw(top ? " valign=\"top\"" : "")
            .Raw(">");
    }
    void Row(std::string_view label, std::string_view value) {
        m_html.Raw("<tr height=\"23\">");
        LabelCell(label, false);
        m_html.Text(value).Raw("</td></tr>");
    }

    void Information() {
        const ForecastCriteria& c = m_input.criteria;
        const ForecastResult& r = m_input.result;
        m_html.Raw(kTableStart).Raw("\">");
        Row("Report for", m_input.name + ", " + DateText(m_input.birth));
        m_html.Raw("<tr height=\"15\"><td width=\"162\"></td><td width=\"534\"></td></tr>");
        m_html.Raw("<tr height=\"23\">");
        LabelCell("Search options", true);
        for (const std::string& line : SearchOptionLines(c)) {
            m_html.Raw("<p style=\"margin-top: 1; margin-bottom: 3\">").Text(line).Raw("</p>");
        }
        m_html.Raw("</td></tr>");
        if (const auto useAnd = SearchModeAnd(c)) {
            Row("Search mode", *useAnd ? "AND" : "OR");
        }
        Row("Report term", "From " + DateText(std::clamp(c.startDate, kMinDay, kMaxDay)) + " to " +
                               DateText(r.endDate));
        Row("Results shown", std::to_string(r.hits.size()));
        m_html.Raw("</table>");
    }

    void Legend() {
        m_html.Raw(kSpacer)
            .Raw(kTableStart)
            .Raw("\"><tr><td>&nbsp;")
            .Raw(kRedStar)
            .Raw("&nbsp;critical days are marked by red asterisks&nbsp;</td></tr></table>")
            .Raw(kSpacer);
    }

    void HeaderCell(std::string_view width, std::string_view title, bool twoColumns) {
        m_html.Raw("<td width=\"")
            .Raw(width)
            .Raw("\" height=\"22\"")
            .Raw(twoColumns ? " colspan=\"2\"" : "")
            .Raw("><b><font size=\"3\">")
            .Raw(title)
            .Raw("</font></b></td>");
    }

    void HitRow(std::size_t index, const ForecastHit& hit) {
        // Every second row is shaded so long lists stay readable.
        m_html.Raw(index % 2 == 1 ? "<tr bgcolor=\"#F0F1FF\">" : "<tr>");
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
        HeaderCell("107", "Date", false);
        HeaderCell("107", "Physical", true);
        HeaderCell("107", "Emotional", true);
        HeaderCell("107", "Intellectual", true);
        HeaderCell("108", "Intuitive", true);
        HeaderCell("108", "Overall", false);
        HeaderCell("108", "Critical", false);
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

}  // namespace

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
        ReportResult nothing;
        nothing.ok = false;
        nothing.message = std::string{kNothingFoundMessage};
        return nothing;
    }
    return WriteReportFile(file, ForecastPage(input).Build(), ops);
}

}  // namespace vitalune
