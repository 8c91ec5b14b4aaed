#include "gui/paint/art/ReportPictures.h"

#include <algorithm>
#include <string_view>

namespace vitalune::art {
namespace {

void AddRatingPictures(std::vector<ReportPicture>& pictures, PictureScheme scheme) {
    for (const CompatRating rating :
         {CompatRating::Weak, CompatRating::Good, CompatRating::Excellent, CompatRating::None}) {
        std::string_view file = ReportPictureFile(rating, scheme);
        file.remove_prefix(std::min(file.find_last_of('/') + 1, file.size()));
        const bool known = std::any_of(pictures.begin(), pictures.end(),
                                       [&](const ReportPicture& p) { return p.fileName == file; });
        // The None picture is one file for both schemes.
        if (!known) {
            pictures.push_back(
                {std::string(file), ImageList::CompatPict, CompatPictureIndex(rating, scheme)});
        }
    }
}

}  // namespace

std::vector<ReportPicture> ReportPictures() {
    using namespace SmallWeatherIndex;
    std::vector<ReportPicture> pictures = {
        {"sun.gif", ImageList::SmallWeather, Sun},
        {"suncloud.gif", ImageList::SmallWeather, SunCloud},
        {"clouds.gif", ImageList::SmallWeather, Clouds},
        {"rain.gif", ImageList::SmallWeather, Rain},
        {"up.gif", ImageList::SmallWeather, Rising},
        {"down.gif", ImageList::SmallWeather, Falling},
    };
    AddRatingPictures(pictures, PictureScheme::Hearts);
    AddRatingPictures(pictures, PictureScheme::Stars);
    return pictures;
}

}  // namespace vitalune::art
