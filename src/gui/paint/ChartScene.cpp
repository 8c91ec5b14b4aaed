#include "gui/paint/ChartScene.h"

#include <QFontMetrics>

#include "gui/paint/PictureFont.h"

namespace vitalune::paint {

namespace {
using R = RhythmId;
constexpr std::array<ChartPageInfo, kChartPageCount> kPages = {{
    {{R::Physical, R::Emotional, R::Intellectual, R::Intuitive},
     4,
     R::PrimaryOverall,
     GraphPage::Base},
    {{R::Wisdom, R::Mastery, R::Passion, R::Passion}, 3, R::SecondaryOverall, GraphPage::Sec},
    {{R::Perception, R::Psychic, R::Success, R::Success}, 3, R::ExtraOverall, GraphPage::Extra},
    {{R::Aesthetic, R::Awareness, R::Spiritual, R::Spiritual}, 3, R::IChingOverall, GraphPage::Ich},
    {{R::Physical, R::Emotional, R::Intellectual, R::Intellectual},
     3,
     R::PrimaryOverall,
     GraphPage::Comp},
}};
}  // namespace

const ChartPageInfo& PageInfo(ChartPage page) {
    return kPages[static_cast<std::size_t>(page)];
}

int ChartTextHeight(const QFont& font) {
    // A text's height is the font's line height, whatever its letters.
    return QFontMetrics(font).height();
}

ChartScene MakeChartScene(ChartPage page, QSize size, const QFont& font,
                          const AppSettings& settings, DateTime date, DateTime birth1,
                          DateTime birth2) {
    ChartScene scene;
    scene.page = page;
    scene.font = InPixels(font);
    scene.geometry = ComputeChartGeometry(size.width(), size.height(), ChartTextHeight(scene.font));
    scene.date = date;
    scene.birth1 = birth1;
    scene.birth2 = birth2;
    ApplySettings(scene, settings);
    return scene;
}

void ApplySettings(ChartScene& scene, const AppSettings& settings) {
    scene.graphMode = settings.Graph(PageInfo(scene.page).graph).mode;
    scene.showPointer = settings.showPointer;
    scene.showDetails = settings.showDetails;
    scene.pointerColour = settings.pointerColour;
    scene.barColours = ComputeBarColours(settings.transparency);
    scene.pens = settings.pens;
}

}  // namespace vitalune::paint
