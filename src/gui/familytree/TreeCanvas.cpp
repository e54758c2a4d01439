#include "familytree/TreeCanvas.h"

#include <wx/dcclient.h>

#include "familytree/DcTreePainter.h"
#include "familytree/FTFrame.h"

TreeCanvas::TreeCanvas(FTFrame* frame)
    : wxScrolledWindow(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL, "panel"),
      frame_(frame) {
    SetScrollbars(10, 10, 100, 240, 0, 0);
    Bind(wxEVT_PAINT, &TreeCanvas::OnPaint, this);
}

void TreeCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    DoPrepareDC(dc);
    frame_->PrepareDC(dc);
    PrepareTreeDC(dc);
    const wxSize client = GetClientSize();
    DcTreePainter painter(dc);
    frame_->Tree().Draw(frame_->Registry(), painter, 0, client.y - 60, client.x);
    ++paints_;
}
