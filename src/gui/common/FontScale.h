#pragma once
#include <vector>

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;

/// The pixel sizes of the window designs (column widths, list and button sizes) were
/// laid out for a reference font whose characters are 6 pixels wide on average and 13
/// pixels high. These functions scale such a size to the font `window` actually uses,
/// so that a larger desktop font widens columns and lists instead of cutting their text
/// off. A size is never made smaller than its design.
int FontScaledWidth(const wxWindow* window, int designPixels);
int FontScaledHeight(const wxWindow* window, int designPixels);
wxSize FontScaled(const wxWindow* window, const wxSize& designSize);

/// A list column's width: its design width scaled to the font, or more when one of
/// the texts it can show (with the cell's margins) would not fit, so that no entry of
/// a known set ("Crush or Love", a status name) is cut off.
int ColumnWidthForTexts(const wxWindow* window, int designPixels, const std::vector<wxString>& texts);

/// A list box's height for `rows` rows of its font (with the padding the toolkit puts
/// around each row), never below the design height scaled to the font.
int ListHeightForRows(const wxWindow* list, int rows, int designPixels);

/// A list box's width for the longest of `texts` with the list's margins and a
/// vertical scroll bar, never below the design width scaled to the font.
int ListWidthForTexts(const wxWindow* list, int designPixels, const std::vector<wxString>& texts);
