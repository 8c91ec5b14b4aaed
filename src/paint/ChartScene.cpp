#include "paint/ChartScene.h"

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

void ApplySettings(ChartScene& scene, const AppSettings& settings) {
    scene.graphMode = settings.Graph(PageInfo(scene.page).graph).mode;
    scene.showPointer = settings.showPointer;
    scene.showDetails = settings.showDetails;
    scene.pointerColour = settings.pointerColour;
    scene.barColours = ComputeBarColours(settings.transparency);
    scene.pens = settings.pens;
}

}  // namespace vitalune::paint
