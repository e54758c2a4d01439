#include "common/FontScale.h"

#include <algorithm>
#include <cmath>

#include <wx/window.h>

namespace {
constexpr double kReferenceCharWidth = 6.0;
constexpr double kReferenceCharHeight = 13.0;

int Scale(int designPixels, int charSize, double reference) {
    if (designPixels <= 0) return designPixels;  // wxDefaultCoord and friends pass through
    const double factor = std::max(1.0, charSize / reference);
    return static_cast<int>(std::lround(designPixels * factor));
}
}  // namespace

int FontScaledWidth(const wxWindow* window, int designPixels) {
    return Scale(designPixels, window->GetCharWidth(), kReferenceCharWidth);
}

int FontScaledHeight(const wxWindow* window, int designPixels) {
    return Scale(designPixels, window->GetCharHeight(), kReferenceCharHeight);
}

wxSize FontScaled(const wxWindow* window, const wxSize& designSize) {
    return {FontScaledWidth(window, designSize.x), FontScaledHeight(window, designSize.y)};
}
