#include "familytree/ChartPrintout.h"

#include "familytree/DcTreePainter.h"

ChartPrintout::ChartPrintout(ChartLayout layout, bool fitToPage, const wxString& title)
    : wxPrintout(title), layout_(std::move(layout)), fit_(fitToPage) {}

void ChartPrintout::OnPreparePrinting() {
    // The printable area in screen pixels, from the page's size and the two
    // resolutions: the preview asks for the pages before it has a context to draw on.
    int pageW = 0, pageH = 0, printerX = 0, printerY = 0, screenX = 0, screenY = 0;
    GetPageSizePixels(&pageW, &pageH);
    GetPPIPrinter(&printerX, &printerY);
    GetPPIScreen(&screenX, &screenY);
    if (printerX <= 0 || printerY <= 0) {
        plan_ = {};
        return;
    }
    const int areaW = static_cast<int>(static_cast<double>(pageW) * screenX / printerX);
    const int areaH = static_cast<int>(static_cast<double>(pageH) * screenY / printerY);
    plan_ = PlanPrint(layout_.width, layout_.height, areaW, areaH, fit_, 1.0);
}

bool ChartPrintout::HasPage(int page) { return page >= 1 && page <= static_cast<int>(plan_.pages.size()); }

void ChartPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    const int count = static_cast<int>(plan_.pages.size());
    *minPage = count > 0 ? 1 : 0;
    *maxPage = count;
    *pageFrom = *minPage;
    *pageTo = count;
}

bool ChartPrintout::OnPrintPage(int page) {
    if (!HasPage(page)) return false;
    wxDC* dc = GetDC();
    if (dc == nullptr) return false;
    MapScreenSizeToPage();
    double sx = 1, sy = 1;
    dc->GetUserScale(&sx, &sy);
    dc->SetUserScale(sx * plan_.scale, sy * plan_.scale);
    const PrintPage& part = plan_.pages[static_cast<size_t>(page - 1)];
    dc->SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc->SetTextForeground(*wxBLACK);
    dc->SetTextBackground(*wxWHITE);
    dc->SetFont(FamilyTreeFont());
    dc->SetPen(*wxBLACK_PEN);
    // Only the part of the chart this page shows.
    dc->SetClippingRegion(0, 0, part.width, part.height);
    DcTreePainter painter(*dc);
    DrawChart(layout_, painter, -part.x, -part.y);
    dc->DestroyClippingRegion();
    return true;
}
