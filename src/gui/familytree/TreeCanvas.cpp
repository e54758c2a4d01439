#include "familytree/TreeCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <wx/dcclient.h>

#include "familytree/DcTreePainter.h"
#include "familytree/FTFrame.h"

namespace {
constexpr int kScrollStep = 10;
// How far the pointer may move with the button down and still make a click.
constexpr int kDragSlop = 4;
}  // namespace

TreeCanvas::TreeCanvas(FTFrame* frame)
    : wxScrolledWindow(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL, "panel"),
      frame_(frame) {
    SetScrollbars(kScrollStep, kScrollStep, 100, 240, 0, 0);
    Bind(wxEVT_PAINT, &TreeCanvas::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &TreeCanvas::OnLeftDown, this);
    Bind(wxEVT_MOTION, &TreeCanvas::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &TreeCanvas::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &TreeCanvas::OnDoubleClick, this);
    Bind(wxEVT_MOUSEWHEEL, &TreeCanvas::OnWheel, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &TreeCanvas::OnCaptureLost, this);
}

void TreeCanvas::FitToChart() {
    const ChartLayout& layout = frame_->Layout();
    const double zoom = frame_->Zoom();
    const wxSize size(static_cast<int>(std::ceil(layout.width * zoom)), static_cast<int>(std::ceil(layout.height * zoom)));
    if (area_ == size) return;
    area_ = size;
    SetVirtualSize(size);
}

wxPoint TreeCanvas::ChartOffset() const {
    const wxSize client = GetClientSize();
    return wxPoint(std::max(0, (client.x - area_.x) / 2), std::max(0, (client.y - area_.y) / 2));
}

void TreeCanvas::ScrollToPoint(const wxPoint& point) {
    const wxSize client = GetClientSize();
    const int x = point.x - client.x / 2, y = point.y - client.y / 2;
    Scroll(std::max(0, x) / kScrollStep, std::max(0, y) / kScrollStep);
}

void TreeCanvas::ScrollToBox(int box) {
    const ChartLayout& layout = frame_->Layout();
    if (box < 0 || box >= static_cast<int>(layout.boxes.size())) return;
    const ChartBox& b = layout.boxes[static_cast<size_t>(box)];
    const double zoom = frame_->Zoom();
    ScrollToPoint(wxPoint(static_cast<int>((b.x + b.width / 2) * zoom), static_cast<int>((b.y + b.height / 2) * zoom)));
}

void TreeCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    // Laid out afresh, so that names changed since the last paint show.
    frame_->Relayout();
    DoPrepareDC(dc);
    const wxPoint origin = dc.GetDeviceOrigin() + ChartOffset();
    dc.SetDeviceOrigin(origin.x, origin.y);
    frame_->PrepareDC(dc);
    PrepareTreeDC(dc);
    DcTreePainter painter(dc);
    DrawChart(frame_->Layout(), painter);
    ++paints_;
}

void TreeCanvas::OnLeftDown(wxMouseEvent& event) {
    pressed_ = true;
    dragging_ = false;
    pressedAt_ = event.GetPosition();
    viewAtPress_ = CalcUnscrolledPosition(wxPoint(0, 0));
    if (!HasCapture()) CaptureMouse();
    SetFocus();
}

void TreeCanvas::OnMotion(wxMouseEvent& event) {
    if (!pressed_ || !event.LeftIsDown()) return;
    const wxPoint moved = event.GetPosition() - pressedAt_;
    if (!dragging_ && std::abs(moved.x) <= kDragSlop && std::abs(moved.y) <= kDragSlop) return;
    if (!dragging_) SetCursor(wxCursor(wxCURSOR_HAND));
    dragging_ = true;
    const wxPoint start = viewAtPress_ - moved;
    Scroll(std::max(0, start.x) / kScrollStep, std::max(0, start.y) / kScrollStep);
}

void TreeCanvas::OnLeftUp(wxMouseEvent& event) {
    if (HasCapture()) ReleaseMouse();
    const bool click = pressed_ && !dragging_;
    if (dragging_) SetCursor(wxNullCursor);
    pressed_ = dragging_ = false;
    if (click) frame_->ClickAt(event.GetPosition());
}

void TreeCanvas::OnDoubleClick(wxMouseEvent& event) { frame_->DoubleClickAt(event.GetPosition()); }

void TreeCanvas::OnWheel(wxMouseEvent& event) {
    if (!event.ControlDown()) {
        event.Skip();  // scrolls as usual
        return;
    }
    if (event.GetWheelRotation() > 0) frame_->ZoomIn();
    else if (event.GetWheelRotation() < 0) frame_->ZoomOut();
}

void TreeCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) {
    pressed_ = dragging_ = false;
    SetCursor(wxNullCursor);
}
