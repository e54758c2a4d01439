#pragma once
#include <cstdint>

#include <wx/dialog.h>

class wxListCtrl;
class wxStaticText;
class SimRegistry;

/// "Chemistry Comparison": two Sims' chemistry lists side by side, a woman given
/// with a man on the left. Either side may have no Sim (-1).
class CompareChemDlg : public wxDialog {
public:
    CompareChemDlg(wxWindow* parent, const SimRegistry& registry, int32_t firstId, int32_t secondId);

    wxStaticText* Heading(int side) const { return side == 0 ? leftName_ : rightName_; }
    wxListCtrl* List(int side) const { return side == 0 ? leftList_ : rightList_; }

private:
    void FillSide(const SimRegistry& registry, int32_t simId, wxStaticText* heading, wxListCtrl* list);

    wxStaticText* leftName_ = nullptr;
    wxStaticText* rightName_ = nullptr;
    wxListCtrl* leftList_ = nullptr;
    wxListCtrl* rightList_ = nullptr;
};
