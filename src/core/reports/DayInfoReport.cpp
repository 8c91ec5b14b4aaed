#include "core/reports/DayInfoReport.h"

#include "core/dayreport/DayTexts.h"
#include "core/engine/DateText.h"
#include "core/engine/DayTable.h"
#include "core/engine/DayWeather.h"
#include "core/reports/ReportPictureFiles.h"

namespace vitalune {

namespace {

using R = RhythmId;

constexpr std::string_view kSpacer = "<p style=\"margin-top: 3; margin-bottom: 3\">&nbsp;</p>";

class DayPage {
  public:
    explicit DayPage(const DayReportInput& input) : m_input(input) {
        ComputeDayRhythms(input.person.birth, input.reportDate, m_day, true);
        m_daysLived = DaysLived(input.person.birth, input.reportDate);
    }

    HtmlWriter Build() {
        m_html.Reserve(16 * 1024);
        Head();
        m_html.Raw(kSpacer);
        RhythmTables();
        m_html.Raw(kSpacer);
        Legend();
        m_html.Raw(kSpacer);
        Notes();
        m_html.Raw("</body></html>");
        return std::move(m_html);
    }

  private:
    void Picture(const std::string& path) {
        m_html.Raw("<img border=\"0\" src=\"")
            .Text(DataFolderFileRef(m_input.dataFolder, path))
            .Raw("\" width=\"16\" height=\"16\">");
    }
    void Weather(std::int32_t value) { Picture(WeatherPicturePath(WeatherBand(value))); }
    void Tide(const CycleDay& cycle) {
        Picture(TidePicturePath(cycle.tide == TideDirection::Rising));
    }
    void Colour(R slot) {
        m_html.Raw(HtmlColour(m_input.pens[static_cast<std::size_t>(slot)].colour));
    }
    void Percent(std::int32_t value) { m_html.Number(value).Raw("%"); }

    void Head() {
        m_html.Raw(ReportHead("Day Info Report", "Day info report"))
            .Raw(
                "<table border=\"0\" width=\"700\" style=\"font-family: Arial; font-size: "
                "12pt\"><tr><td><b>Report date: ")
            .Text(DateText(m_input.reportDate))
            .Raw("</b></td></tr><tr><td><b>Created for: ")
            .Text(m_input.person.name)
            .Raw(", ")
            .Text(DateText(m_input.person.birth))
            .Raw("</b></td></tr></table></center>");
    }

    // One single-period rhythm's cells: name, day of cycle, tide, [critical mark,] weather,
    // percent. Widths differ between the two halves of the table.
    struct CellWidths {
        std::string_view name, cycle, tide, weather, percent;
    };
    void CycleCells(std::string_view name, R colourSlot, int periodIndex, std::int32_t value,
                    const bool* critical, const CellWidths& w) {
        const CycleDay cycle =
            CycleDayOf(m_daysLived, kPeriods[static_cast<std::size_t>(periodIndex)]);
        m_html.Raw("<td width=\"").Raw(w.name).Raw("\" align=\"left\"><font color=\"#");
        Colour(colourSlot);
        m_html.Raw("\">&nbsp;&nbsp;").Text(name).Raw("</font></td><td width=\"").Raw(w.cycle);
        m_html.Raw("\">").Raw(cycle.Text()).Raw("</td><td width=\"").Raw(w.tide).Raw("\">");
        Tide(cycle);
        m_html.Raw("</td>");
        if (critical) {
            m_html.Raw("<td width=\"43\"><font color=\"#FF0000\" size=\"4\">")
                .Raw(*critical ? "*" : "")
                .Raw("</font></td>");
        }
        m_html.Raw("<td width=\"").Raw(w.weather).Raw("\">");
        Weather(value);
        m_html.Raw("</td><td width=\"").Raw(w.percent).Raw("\">");
        Percent(value);
        m_html.Raw("</td>");
    }

    void RhythmTables() {
        m_html.Raw(
            "<table align=\"center\" border=\"0\" width=\"700\" cellspacing=\"0\" "
            "cellpadding=\"0\" style=\"font-family: Arial; font-size: 10pt; text-align: Center; "
            "font-weight: bold\" bgcolor=\"#F0F1FF\"><tr><td width=\"359\" colspan=\"6\" "
            "bgcolor=\"#C8C2FC\" height=\"22\"><p><font size=\"3\">Primary rhythms</font></td><td "
            "width=\"55\" bgcolor=\"#FFFFFF\"></td><td width=\"332\" colspan=\"5\" "
            "bgcolor=\"#C8C2FC\"><p><font size=\"3\">I-Ching rhythms</font></td></tr><tr><td "
            "width=\"361\" height=\"12\" colspan=\"6\">&nbsp;</td><td width=\"55\" "
            "bgcolor=\"#FFFFFF\"></td><td width=\"329\" height=\"12\" colspan=\"5\"></td></tr>");
        // The I-Ching column starts with Compassion, the 38-day rhythm shown again.
        struct Right {
            std::string_view name;
            R slot;
            int periodIndex;
            std::int32_t value;
        };
        const Right right[4] = {
            {"Compassion", R::Intuitive, 3, m_day.percent[3]},
            {"Aesthetic", R::Aesthetic, 4, m_day.ichingPercent[0]},
            {"Awareness", R::Awareness, 5, m_day.ichingPercent[1]},
            {"Spiritual", R::Spiritual, 6, m_day.ichingPercent[2]},
        };
        for (int i = 0; i < 4; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const auto slot = static_cast<R>(i);
            m_html.Raw("<tr height=\"22\">");
            CycleCells(RhythmName(slot), slot, i, m_day.percent[k], &m_day.critical[k],
                       {"98", "53", "46", "55", "66"});
            m_html.Raw("<td width=\"55\" bgcolor=\"#FFFFFF\"></td>");
            CycleCells(right[i].name, right[i].slot, right[i].periodIndex, right[i].value, nullptr,
                       {"100", "59", "50", "63", "57"});
            m_html.Raw("</tr>");
        }
        m_html.Raw(
            "<tr height=\"32\"><td width=\"98\" align=\"left\"><b>&nbsp;&nbsp;Overall</b></td><td "
            "width=\"53\"></td><td width=\"49\"></td><td width=\"49\"><font color=\"#FF0000\" "
            "size=\"4\">");
        m_html.Raw(std::string(static_cast<std::size_t>(m_day.criticalCount), '*'));
        m_html.Raw("</font></td><td width=\"46\">");
        Weather(m_day.overall);
        m_html.Raw("</td><td width=\"66\">");
        Percent(m_day.overall);
        m_html.Raw(
            "</td><td width=\"55\" bgcolor=\"#FFFFFF\"></td><td width=\"329\" "
            "colspan=\"5\">&nbsp;</td></tr><tr><td width=\"361\" bgcolor=\"#C8C2FC\" "
            "height=\"22\" colspan=\"6\">&nbsp;</td><td width=\"55\" bgcolor=\"#FFFFFF\"></td><td "
            "width=\"329\" bgcolor=\"#C8C2FC\" colspan=\"5\">&nbsp;</td></tr></table>");
        m_html.Raw(kSpacer);
        CompositeTable();
    }

    struct Composite {
        std::string_view name;
        R slot;
        std::int32_t value;
    };
    void CompositeRow(const Composite (&row)[3]) {
        constexpr std::string_view kWidths[3][3] = {
            {"86", "61", "46"}, {"77", "48", "61"}, {"81", "55", "68"}};
        m_html.Raw("<tr height=\"22\">");
        for (int i = 0; i < 3; ++i) {
            const auto& w = kWidths[i];
            if (i > 0) {
                m_html.Raw(i == 1 ? "<td width=\"48\">&nbsp;</td>"
                                  : "<td width=\"47\">&nbsp;</td>");
            }
            m_html.Raw("<td width=\"").Raw(w[0]).Raw("\"><font color=\"#");
            Colour(row[i].slot);
            m_html.Raw("\">")
                .Text(row[i].name)
                .Raw("</font></td><td width=\"")
                .Raw(w[1])
                .Raw("\">");
            Weather(row[i].value);
            m_html.Raw("</td><td width=\"").Raw(w[2]).Raw("\">");
            Percent(row[i].value);
            m_html.Raw("</td>");
        }
        m_html.Raw("</tr>");
    }

    void CompositeTable() {
        constexpr std::string_view kBlankRow =
            "<tr><td width=\"698\" colspan=\"11\">&nbsp;</td></tr>";
        const auto& p = m_day.percent;
        m_html.Raw(
            "<table align=\"center\" border=\"0\" width=\"700\" cellspacing=\"0\" "
            "cellpadding=\"0\" bgcolor=\"#F0F1FF\" style=\"font-family: Arial; font-size: 10pt; "
            "font-weight: bold; text-align: Center\"><tr><td width=\"698\" colspan=\"11\" "
            "bgcolor=\"#C8C2FC\"><p><font size=\"3\">Secondary & Extra rhythms</font></td></tr>");
        m_html.Raw(kBlankRow);
        CompositeRow({{"Wisdom", R::Wisdom, CompositePercent(p[1], p[2])},
                      {"Mastery", R::Mastery, CompositePercent(p[0], p[2])},
                      {"Passion", R::Passion, CompositePercent(p[0], p[1])}});
        m_html.Raw(kBlankRow);
        CompositeRow({{"Perception", R::Perception, CompositePercent(p[0], p[3])},
                      {"Psychic", R::Psychic, CompositePercent(p[1], p[3])},
                      {"Success", R::Success, CompositePercent(p[2], p[3])}});
        m_html.Raw(
            "<tr><td width=\"698\" colspan=\"11\" bgcolor=\"#C8C2FC\">&nbsp;</td></tr></table>");
    }

    void Legend() {
        m_html.Raw(
            "<table align=\"center\" border=\"0\" width=\"700\" cellspacing=\"0\" "
            "cellpadding=\"0\" style=\"font-family: Arial; font-size: 10pt\"><tr><td "
            "width=\"16%\"><p align=\"right\">");
        Picture(TidePicturePath(true));
        m_html.Raw(
            "</td><td width=\"16%\">&nbsp; - rising tide</td><td width=\"17%\"><p "
            "align=\"right\">");
        Picture(TidePicturePath(false));
        m_html.Raw(
            "</td><td width=\"17%\">&nbsp; - falling tide</td><td width=\"17%\"><p "
            "align=\"right\"><b><font color=\"#FF0000\" size=\"4\">*</font></b></td><td "
            "width=\"17%\">&nbsp; - critical day</td></tr></table>");
    }

    void BodyParagraph(std::string_view text) {
        m_html.Raw("<p style=\"margin-top: 1\">").Text(text).Raw("</p>");
    }
    void HeadingParagraph(std::string_view title) {
        m_html.Raw("<p style=\"margin-top: 10; margin-bottom: 3\"><b>").Text(title).Raw("</b></p>");
    }

    void Notes() {
        m_html.Raw(
            "<table align=\"center\" border=\"0\" width=\"700\" cellspacing=\"0\" "
            "cellpadding=\"0\" style=\"font-family: Times New Roman; font-size: 12pt\"><tr><td "
            "width=\"100%\">");
        BodyParagraph(ReportDayText(m_day, m_input.choice));
        for (int i : InstabilityNoteIndexes(m_day)) {
            HeadingParagraph(InstabilityTexts::Title(i));
            BodyParagraph(InstabilityTexts::Body(i));
        }
        for (int i : ExtremeNoteIndexes(m_day)) {
            HeadingParagraph(ExtremeTexts::Title(i));
            BodyParagraph(ExtremeTexts::Body(i));
        }
        m_html.Raw("<hr></td></tr></table>");
    }

    const DayReportInput& m_input;
    DayRhythms m_day;
    std::int32_t m_daysLived = 0;
    HtmlWriter m_html;
};

}  // namespace

std::string_view ReportDayText(const DayRhythms& day, const DayTextChoice& choice) {
    const int variant =
        choice.variant >= 0 && choice.variant < kDayTextVariants ? choice.variant : 0;
    return DayTexts::Text(SignCombination(day), variant);
}

std::string DayReportHtml(const DayReportInput& input) {
    return DayPage(input).Build().Bytes();
}

ReportResult WriteDayReport(const DayReportInput& input, const std::filesystem::path& file,
                            FileOps* ops) {
    return WriteReportFile(file, DayPage(input).Build(), ops);
}

}  // namespace vitalune
