#include "settings/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace {

// The sRGB component as light, as screens show it.
double Linear(uint8_t component) {
    const double c = component / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(RgbColor c) {
    return 0.2126 * Linear(c.red) + 0.7152 * Linear(c.green) + 0.0722 * Linear(c.blue);
}

}  // namespace

double ContrastRatio(RgbColor a, RgbColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
