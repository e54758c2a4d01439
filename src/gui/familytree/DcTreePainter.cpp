#include "familytree/DcTreePainter.h"

#include <wx/brush.h>

#include "common/WxString.h"

TreePainter::Extent DcTreePainter::Measure(const std::string& text) {
    wxCoord w = 0, h = 0;
    dc_.GetTextExtent(ToWx(text), &w, &h);
    return {w, h};
}

void DcTreePainter::Text(const std::string& text, int x, int y) { dc_.DrawText(ToWx(text), x, y); }

void DcTreePainter::Line(int x1, int y1, int x2, int y2) { dc_.DrawLine(x1, y1, x2, y2); }

wxFont FamilyTreeFont() {
    return wxFont(wxFontInfo(12).Family(wxFONTFAMILY_MODERN).Underlined());
}

void PrepareTreeDC(wxDC& dc) {
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.SetTextForeground(*wxBLACK);
    dc.SetTextBackground(*wxWHITE);
    dc.Clear();
    dc.SetFont(FamilyTreeFont());
    dc.SetPen(*wxBLACK_PEN);
}
