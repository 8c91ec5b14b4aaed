#include "core/reports/GroupReport.h"

#include "core/db/PersonLine.h"
#include "core/engine/DateText.h"

namespace vitalune {

namespace {

class GroupPage {
  public:
    GroupPage(const GroupReportInput& input, const MatchResult& result)
        : m_input(input), m_result(result) {}

    HtmlWriter Build() {
        m_html.Reserve(4096 + m_result.entries.size() * 400);
        Head();
        Criteria();
        Results();
        m_html.Raw(
            "<tr><td colspan=\"6\" width=\"698\" bgcolor=\"#C8C2FC\">&nbsp;</td></tr></table>"
            "</center></body></html>");
        return std::move(m_html);
    }

  private:
    void Head() {
        m_html.Raw(ReportHead("Group Report", "&nbsp;Group compatibility report"))
            .Raw("<p style=\"margin-top: 5; margin-bottom: 5\">&nbsp;</p>");
    }

    void Row(std::string_view label, std::string_view value) {
        m_html.Raw("<tr height=\"23\"><td width=\"162\" align=\"right\"><b>")
            .Raw(label)
            .Raw(":&nbsp;</b></td><td width=\"534\">")
            .Text(value)
            .Raw("</td></tr>");
    }

    void Criteria() {
        const MatchCriteria& c = m_input.criteria;
        m_html.Raw(
            "<table border=\"0\" width=\"700\" cellspacing=\"0\" cellpadding=\"0\" "
            "style=\"font-family: Arial; font-size: 10pt\">");
        Row("Report for", m_input.baseName + ", " + DateText(m_input.baseBirth));
        m_html.Raw("<tr height=\"15\"><td width=\"162\"></td><td width=\"534\"></td></tr>");
        Row("Search among", m_input.searchAmong);
        Row("Sex", SexCaption(c.sex));
        Row("Limit age", LimitAgeText(c));
        Row("Use pattern", PatternCaption(c.pattern));
        Row("Parameters", ParametersText(c));
        Row("Exact compliance", c.exact ? "Yes" : "No");
        Row("Results found", std::to_string(m_result.found));
        Row("Sort by", SortCaption(c.sort));
        m_html.Raw("</table>");
    }

    void HeaderCell(std::string_view width, std::string_view title) {
        m_html.Raw("<td width=\"")
            .Raw(width)
            .Raw("\"><b><font size=\"3\">")
            .Raw(title)
            .Raw("</font></b></td>");
    }

    void PersonRow(const MatchEntry& entry, bool shaded) {
        const std::string_view cell = shaded ? "<td bgcolor=\"#F0F1FF\" width=\"" : "<td width=\"";
        m_html.Raw("<tr height=\"22\">")
            .Raw(cell)
            .Raw("195\" align=\"left\">&nbsp;")
            .Text(entry.name)
            .Raw("</td>")
            .Raw(cell)
            .Raw("103\">")
            .Text(DateText(ParseDob(entry.dateOfBirthText)))
            .Raw("</td>");
        for (const CompatField field : {CompatField::Physical, CompatField::Emotional,
                                        CompatField::Intellectual, CompatField::Overall}) {
            m_html.Raw(cell).Raw("103\">").Number(entry.compat[field]).Raw("%</td>");
        }
        m_html.Raw("</tr>");
    }

    void Results() {
        m_html.Raw(
            "<table border=\"0\" width=\"712\" cellspacing=\"0\" cellpadding=\"0\" "
            "style=\"font-family: Arial; font-size: 10pt; text-align: center\"><tr "
            "bgcolor=\"#C8C2FC\"><td width=\"196\"></td>");
        HeaderCell("103", "DOB");
        HeaderCell("104", "Physical");
        HeaderCell("105", "Emotional");
        HeaderCell("108", "Intellectual");
        HeaderCell("84", "Overall");
        m_html.Raw("</tr>");
        std::size_t row = 0;
        for (const MatchEntry& entry : m_result.entries) {
            if (entry.Kind() == MatchKind::GroupHeader) {
                m_html
                    .Raw(
                        "<tr><td colspan=\"6\" width=\"710\" align=\"left\" "
                        "height=\"32\"><b>")
                    .Text(ParseGroupEntry(entry.name).name)
                    .Raw("</b></td></tr>");
                row = 0;
            } else if (entry.IsPerson()) {
                PersonRow(entry, row % 2 == 0);
                ++row;
            }
        }
    }

    const GroupReportInput& m_input;
    const MatchResult& m_result;
    HtmlWriter m_html;
};

}  // namespace

std::string LimitAgeText(const MatchCriteria& c) {
    if (!c.ageCheck) {
        return "No";
    }
    return "From " + std::to_string(AgeBeginYears(c.ageBegin)) + " to " +
           std::to_string(AgeEndYears(c.ageEnd)) + " years";
}

std::string ParametersText(const MatchCriteria& c) {
    return "Physical - " + std::string{RatingCaption(c.ratings[0])} + ", Emotional - " +
           std::string{RatingCaption(c.ratings[1])} + ", Intellectual - " +
           std::string{RatingCaption(c.ratings[2])};
}

std::string GroupReportHtml(const GroupReportInput& input, const MatchResult& result) {
    return GroupPage(input, result).Build().Bytes();
}

ReportResult WriteGroupReport(const GroupReportInput& input, const MatchResult& result,
                              const std::filesystem::path& file, FileOps* ops) {
    if (result.found == 0) {
        ReportResult nothing;
        nothing.ok = false;
        nothing.reason = "no person in the result list";
        return nothing;
    }
    ReportResult written = WriteReportFile(file, GroupPage(input, result).Build(), ops);
    if (!written) {
        written.message = std::string{kGroupReportFailure};
    }
    return written;
}

}  // namespace vitalune
