#include "core/reports/PersonalReport.h"

#include "core/db/PersonLine.h"
#include "core/engine/CompatTexts.h"
#include "core/engine/DateText.h"
#include "core/reports/ReportPictureFiles.h"

namespace vitalune {

namespace {

using F = CompatField;

struct RhythmCell {
    std::string_view name;
    F field;
    bool hasColour;  // Overall is always black
    RhythmId colourSlot;
    bool bold;
};

constexpr RhythmCell kLeft[4] = {
    {"Physical", F::Physical, true, RhythmId::Physical, true},
    {"Emotional", F::Emotional, true, RhythmId::Emotional, true},
    {"Intellectual", F::Intellectual, true, RhythmId::Intellectual, true},
    {"Overall", F::Overall, false, RhythmId::PrimaryOverall, true},
};
constexpr RhythmCell kRight[4] = {
    {"Intuitive", F::Intuitive, true, RhythmId::Intuitive, true},
    {"Aesthetic", F::Aesthetic, true, RhythmId::Aesthetic, true},
    {"Awareness", F::Awareness, true, RhythmId::Awareness, false},
    {"Spiritual", F::Spiritual, true, RhythmId::Spiritual, false},
};

struct HalfWidths {
    std::string_view name, value, picture;
};
constexpr HalfWidths kLeftWidths = {"110", "64", "87"};
constexpr HalfWidths kRightWidths = {"100", "67", "88"};

constexpr std::string_view kGap = "<td width=\"53\"></td>";
constexpr std::string_view kShade = "bgcolor=\"#F0F1FF\"";

class PersonalPage {
  public:
    explicit PersonalPage(const PersonalReportInput& input)
        : m_input(input), m_compat(input.second.compat) {}

    HtmlWriter Build() {
        m_html.Reserve(12 * 1024);
        Head();
        Names();
        RhythmTable();
        TextBlock();
        m_html.Raw("</body></html>");
        return std::move(m_html);
    }

  private:
    void Head() {
        m_html
            .Raw(ReportHead("Personal Compatibility Report", "&nbsp;Personal Compatibility report"))
            .Raw("</center>");
    }

    void NameRow(std::string_view lead, std::string_view name, std::string_view dateText) {
        m_html.Raw("<tr><td><b><font face=\"Arial\" size=\"3\">")
            .Raw(lead)
            .Text(name)
            .Raw(", ")
            .Text(DateText(ParseDob(dateText)))
            .Raw("</font></b></td></tr>");
    }

    void Names() {
        m_html.Raw("<p align=\"center\"></p><table align=\"center\" border=\"0\" width=\"700\">");
        NameRow("Matching ", m_input.firstName, m_input.firstDateOfBirthText);
        NameRow("and ", m_input.second.name, m_input.second.dateOfBirthText);
        m_html.Raw("</table>&nbsp;<br>");
    }

    void Half(const RhythmCell& cell, const HalfWidths& w) {
        const std::int32_t value = m_compat[cell.field];
        const CompatRating rating = RateCompatibility(value);
        m_html.Raw("<td width=\"").Raw(w.name).Raw("\" height=\"22\" ").Raw(kShade);
        m_html.Raw("><font color=\"#")
            .Raw(cell.hasColour
                     ? HtmlColour(m_input.pens[static_cast<std::size_t>(cell.colourSlot)].colour)
                     : "000000")
            .Raw("\">")
            .Raw(cell.bold ? "<b>" : "")
            .Raw("&nbsp;&nbsp;")
            .Text(cell.name)
            .Raw(cell.bold ? "</b>" : "")
            .Raw("</font></td><td width=\"")
            .Raw(w.value)
            .Raw("\" align=\"center\" ")
            .Raw(kShade)
            .Raw("><b>")
            .Number(value)
            .Raw("%</b></td><td width=\"")
            .Raw(w.picture)
            .Raw("\" align=\"center\" ")
            .Raw(kShade)
            .Raw("><img border=\"0\" src=\"")
            .Text(DataFolderFileRef(m_input.dataFolder, ReportPictureFile(rating, m_input.scheme)))
            .Raw("\" width=\"39\" height=\"16\"></td><td width=\"88\" ")
            .Raw(kShade)
            .Raw("><b><font color=\"")
            .Raw(RatingHtmlColour(rating))
            .Raw("\">")
            .Raw(RatingLabel(rating))
            .Raw("</font></b></td>");
    }

    void BandRow(std::string_view colour, std::string_view height, std::string_view content) {
        m_html.Raw("<tr><td width=\"349\" colspan=\"4\" bgcolor=\"")
            .Raw(colour)
            .Raw("\" height=\"")
            .Raw(height)
            .Raw("\">")
            .Raw(content)
            .Raw("</td>")
            .Raw(kGap)
            .Raw("<td width=\"343\" colspan=\"4\" bgcolor=\"")
            .Raw(colour)
            .Raw("\">")
            .Raw(content)
            .Raw("</td></tr>");
    }

    void RhythmTable() {
        m_html.Raw(
            "<p></p><table align=\"center\" border=\"0\" width=\"700\" cellspacing=\"0\" "
            "cellpadding=\"0\" style=\"font-family: Arial; font-size: 10pt\"><tr><td "
            "width=\"347\" colspan=\"4\" bgcolor=\"#C8C2FC\" align=\"center\" height=\"22\"><b>"
            "<font size=\"3\">Basic rhythms</font></b></td>");
        m_html.Raw(kGap).Raw(
            "<td width=\"346\" colspan=\"4\" bgcolor=\"#C8C2FC\" align=\"center\"><b><font "
            "size=\"3\">Other rhythms</font></b></td></tr>");
        BandRow("#F0F1FF", "12", "");
        for (std::size_t i = 0; i < 4; ++i) {
            m_html.Raw("<tr>");
            Half(kLeft[i], kLeftWidths);
            m_html.Raw(kGap);
            Half(kRight[i], kRightWidths);
            m_html.Raw("</tr>");
            BandRow("#F0F1FF", "12", "");
        }
        BandRow("#C8C2FC", "22", "&nbsp;");
        m_html.Raw("</table>");
    }

    void Paragraph(std::string_view text) { m_html.Raw("<p>").Text(text).Raw("</p><hr>"); }

    void TextBlock() {
        const std::int32_t p = m_compat[F::Physical];
        const std::int32_t e = m_compat[F::Emotional];
        const std::int32_t i = m_compat[F::Intellectual];
        m_html
            .Raw(
                "<p style=\"margin-top: 5; margin-bottom: 5\">&nbsp;</p><table align=\"center\" "
                "border=\"0\" width=\"700\"><tr><td><b><font face=\"Times New Roman\" "
                "size=\"3\">")
            .Text(PersonalReportTitle(m_compat))
            .Raw(
                "</font></b></td></tr><tr><td>&nbsp;</td></tr><tr><td><font face=\"Times New "
                "Roman\" size=\"3\">");
        Paragraph(CompatTexts::Body(SelectCombination(p, e, i)));
        Paragraph(CompatTexts::ParagraphFor(0, p));
        Paragraph(CompatTexts::ParagraphFor(1, e));
        Paragraph(CompatTexts::ParagraphFor(2, i));
        m_html.Raw("</font></td></tr></table>");
    }

    const PersonalReportInput& m_input;
    const CompatibilityResult& m_compat;
    HtmlWriter m_html;
};

}  // namespace

std::string PersonalReportTitle(const CompatibilityResult& c) {
    const CompatCombination index =
        SelectCombination(c[F::Physical], c[F::Emotional], c[F::Intellectual]);
    if (index == 8) {
        return std::string{CompatTexts::Title(7)} + ". Perfect match!";
    }
    return std::string{CompatTexts::Title(index)};
}

std::string PersonalReportHtml(const PersonalReportInput& input) {
    return PersonalPage(input).Build().Bytes();
}

ReportResult WritePersonalReport(const PersonalReportInput& input,
                                 const std::filesystem::path& file, FileOps* ops) {
    if (!input.second.IsPerson()) {
        ReportResult nothing;
        nothing.ok = false;
        nothing.reason = "the entry is not a person";
        return nothing;
    }
    return WriteReportFile(file, PersonalPage(input).Build(), ops);
}

}  // namespace vitalune
