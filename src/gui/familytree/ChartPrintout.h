#pragma once
#include <wx/print.h>

#include "familytree/ChartLayout.h"
#include "familytree/ChartView.h"

/// A family tree chart on paper: fitted to one page, or at its normal size (as on the
/// screen) spread over as many pages as it needs, row by row.
class ChartPrintout : public wxPrintout {
public:
    ChartPrintout(ChartLayout layout, bool fitToPage, const wxString& title);

    void OnPreparePrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    const PrintPlan& Plan() const { return plan_; }

private:
    ChartLayout layout_;
    bool fit_;
    PrintPlan plan_;
};
