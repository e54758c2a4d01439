#pragma once
#include <wx/dc.h>
#include <wx/font.h>

#include "familytree/TreePainter.h"

/// Draws a family tree on a device context (window, bitmap or SVG file).
class DcTreePainter : public TreePainter {
public:
    explicit DcTreePainter(wxDC& dc) : dc_(dc) {}
    Extent Measure(const std::string& text) override;
    void Text(const std::string& text, int x, int y) override;
    void Line(int x1, int y1, int x2, int y2) override;

private:
    wxDC& dc_;
};

/// The chart's font: 12 points, fixed pitch, underlined.
wxFont FamilyTreeFont();

/// Makes a device context ready for the chart: white background, black text on white
/// boxes, the chart's font.
void PrepareTreeDC(wxDC& dc);
