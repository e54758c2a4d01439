#pragma once
#include <cstdint>
#include <vector>

#include <wx/dialog.h>

#include "app/RowListCtrl.h"

class wxListCtrl;
class wxRadioBox;
class wxStaticText;
class SimRegistry;

/// "Chemistry Summary": the Sims of a life stage, the chemistry of the one
/// selected, and the report of the whole stage written to a text file. The Sims' list
/// draws its rows on demand.
class ShowChemDlg : public wxDialog {
public:
    ShowChemDlg(wxWindow* parent, const SimRegistry& registry, const wxSize& size);

    /// Lists the Sims of a life stage (0 Elder, 1 Adult, 2 Teen).
    void FillSimsOfAge(int32_t lifeStage);
    /// Shows the match and the chemistry of the Sim selected in the list box.
    void ShowSimChemistry();
    /// "&Write to File": asks for a file name and writes the report.
    void WriteChemistryFile();

    wxRadioBox* AgeBox() const { return ageBox_; }
    RowListCtrl* SimList() const { return simList_; }
    wxListCtrl* ChemistryList() const { return chemList_; }
    wxStaticText* MatchLabel() const { return matchLabel_; }

private:
    const SimRegistry& registry_;
    wxRadioBox* ageBox_ = nullptr;
    RowListCtrl* simList_ = nullptr;
    wxListCtrl* chemList_ = nullptr;
    wxStaticText* matchLabel_ = nullptr;
};
