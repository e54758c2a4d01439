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

int ColumnWidthForTexts(const wxWindow* window, int designPixels, const std::vector<wxString>& texts) {
    // The margins a report list puts on either side of a cell's text, and a little air.
    constexpr int kCellMargins = 16;
    int width = FontScaledWidth(window, designPixels);
    for (const wxString& text : texts) width = std::max(width, window->GetTextExtent(text).x + kCellMargins);
    return width;
}

int ListHeightForRows(const wxWindow* list, int rows, int designPixels) {
    // GTK pads every row of a list by a few pixels above and below its text.
    const int rowHeight = list->GetCharHeight() + 10;
    return std::max(FontScaledHeight(list, designPixels), rows * rowHeight + 8);
}

int ListWidthForTexts(const wxWindow* list, int designPixels, const std::vector<wxString>& texts) {
    // The text's margins and a vertical scroll bar.
    constexpr int kMarginsAndScrollBar = 40;
    int width = FontScaledWidth(list, designPixels);
    for (const wxString& text : texts) width = std::max(width, list->GetTextExtent(text).x + kMarginsAndScrollBar);
    return width;
}
