#pragma once
// The pixel layout shared by the five chart pages, from the paint box size and the height of
// its font. All halvings truncate, as the pixel arithmetic of the charts requires.

#include <cstdint>

namespace vitalune::paint {

inline constexpr int kChartDays = 32;
inline constexpr int kPointerColumn = 16;  // the calculation date's column

struct ChartGeometry {
    int width = 0;
    int height = 0;
    int textH = 0;
    int midY = 0;
    int dayW = 0;
    int band = 0;
    int half = 0;
    int dayRowY = 0;
    int amp = 0;
    int left = 0;
    int right = 0;
    int legendX = 0;
    int bottomTextY = 0;
    int barScale = 0;

    // First pixel column of day column k (0..31).
    int ColumnX(int k) const { return left + k * dayW; }
    // The column under pixel x, clamped to 0..31.
    int ColumnAt(int x) const;
};

ChartGeometry ComputeChartGeometry(int width, int height, int textHeight);

}  // namespace vitalune::paint
