#pragma once
#include <wx/scrolwin.h>

class FTFrame;

/// The family tree window's drawing area: paints the chart of the window's tree,
/// laid out in the visible width with the root 60 pixels above the bottom edge.
class TreeCanvas : public wxScrolledWindow {
public:
    explicit TreeCanvas(FTFrame* frame);

    /// How many times the chart has been painted (tests wait for a paint).
    int Paints() const { return paints_; }

private:
    void OnPaint(wxPaintEvent& event);
    FTFrame* frame_;
    int paints_ = 0;
};
