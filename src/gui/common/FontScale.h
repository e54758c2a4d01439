#pragma once
#include <wx/gdicmn.h>

class wxWindow;

/// The pixel sizes of the window designs (column widths, list and button sizes) were
/// laid out for a reference font whose characters are 6 pixels wide on average and 13
/// pixels high. These functions scale such a size to the font `window` actually uses,
/// so that a larger desktop font widens columns and lists instead of cutting their text
/// off. A size is never made smaller than its design.
int FontScaledWidth(const wxWindow* window, int designPixels);
int FontScaledHeight(const wxWindow* window, int designPixels);
wxSize FontScaled(const wxWindow* window, const wxSize& designSize);
