#pragma once
#include <cstdint>
#include <string>

#include <wx/dialog.h>

#include "app/RowListCtrl.h"

class SimRegistry;
class wxStaticText;

/// "Transfer Sim": picks a family to move a Sim to (family mode), or, in Sim mode,
/// picks a Sim (the family tree's "Pick A Sim"). Entries keep ids; the results are ids,
/// -1 until OK. The list draws its rows on demand: in Sim mode it holds every Sim.
class TransferDlg : public wxDialog {
public:
    /// Family mode lists the registry's families except the one named `excludedName`.
    TransferDlg(wxWindow* parent, const SimRegistry& registry, const std::string& excludedName);

    void SetPrompt(const wxString& prompt) { prompt_ = prompt; }
    /// Lists every Sim of the neighborhood instead of the families.
    void UseSimMode();
    int ShowModal() override;
    /// Shows the prompt and fills the list, as ShowModal does first.
    void Prepare();

    int32_t ChosenFamilyId() const { return chosenFamilyId_; }
    int32_t ChosenSimId() const { return chosenSimId_; }

    RowListCtrl* List() const { return list_; }
    wxStaticText* MoveText() const { return moveText_; }
    /// The OK button's check: false (the user is told) when nothing is selected.
    bool Accept();

private:
    void Fill();
    void OnSelect();

    const SimRegistry& registry_;
    std::string excludedName_;
    bool simMode_ = false;
    wxString prompt_;
    wxStaticText* promptText_ = nullptr;
    RowListCtrl* list_ = nullptr;
    wxStaticText* moveText_ = nullptr;
    int32_t chosenFamilyId_ = -1;
    int32_t chosenSimId_ = -1;
};
