#include "gui/paint/art/ReportPictureArt.h"

#include <algorithm>

#include "core/reports/ReportPictureFiles.h"

namespace vitalune::art {

std::vector<ReportPicture> ReportPictureArt() {
    using namespace SmallWeatherIndex;
    constexpr int kWeather[4] = {Sun, SunCloud, Clouds, Rain};
    std::vector<ReportPicture> pictures;
    for (int band = 0; band < 4; ++band) {
        pictures.push_back(
            {std::string(WeatherPictureFile(band)), ImageList::SmallWeather, kWeather[band]});
    }
    pictures.push_back({std::string(TidePictureFile(true)), ImageList::SmallWeather, Rising});
    pictures.push_back({std::string(TidePictureFile(false)), ImageList::SmallWeather, Falling});
    for (const PictureScheme scheme : {PictureScheme::Hearts, PictureScheme::Stars}) {
        for (const CompatRating rating : {CompatRating::Excellent, CompatRating::Good,
                                          CompatRating::Weak, CompatRating::None}) {
            const std::string file(RatingPictureFile(rating, scheme));
            const bool known =
                std::any_of(pictures.begin(), pictures.end(),
                            [&](const ReportPicture& p) { return p.fileName == file; });
            if (!known) {  // the None picture is one file for both schemes
                pictures.push_back(
                    {file, ImageList::CompatPict, CompatPictureIndex(rating, scheme)});
            }
        }
    }
    return pictures;
}

}  // namespace vitalune::art
