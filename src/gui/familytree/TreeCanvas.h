#pragma once
#include <wx/scrolwin.h>

class FTFrame;

/// The family tree window's drawing area: paints the window's chart at the window's
/// zoom, scrolled within it. Dragging pans the chart, a click on a name makes its Sim
/// the root, a double click edits the Sim, Ctrl with the mouse wheel zooms.
class TreeCanvas : public wxScrolledWindow {
public:
    explicit TreeCanvas(FTFrame* frame);

    /// Makes the scrollable area the chart's size at the current zoom.
    void FitToChart();
    /// The scrollable area as last set (the toolkit reports at least the visible size).
    wxSize ChartArea() const { return area_; }
    /// Where the chart starts in the scrollable area: a chart smaller than the view is
    /// drawn in its middle.
    wxPoint ChartOffset() const;
    /// Scrolls so that a box of the chart is in view, centred where the chart allows.
    void ScrollToBox(int box);
    /// Scrolls so that a point of the scrollable area is in the middle of the view.
    void ScrollToPoint(const wxPoint& point);

    /// How many times the chart has been painted (tests wait for a paint).
    int Paints() const { return paints_; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    FTFrame* frame_;
    int paints_ = 0;
    wxSize area_;
    bool pressed_ = false;
    bool dragging_ = false;
    wxPoint pressedAt_;
    wxPoint viewAtPress_;  // the view's start in pixels when the button went down
};
