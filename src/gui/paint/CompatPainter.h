#pragma once
// The Compatibility page: the primary rhythms of two persons over the same 32 days, their
// mean curves, optional detail curves and bars, and the line with their mutual compatibility.

class QPainter;

namespace vitalune::paint {

struct ChartScene;
struct PaintBuffers;

void PaintCompatibilityPage(QPainter& p, const ChartScene& scene, PaintBuffers& buffers);

// Fixed colours of the detail curves, person one then person two, Physical..Intellectual.
inline constexpr unsigned kDetailColours[2][3] = {{0xFF00FF, 0x00FF00, 0xFFFF00},
                                                  {0x800080, 0x008080, 0x808000}};

}  // namespace vitalune::paint
