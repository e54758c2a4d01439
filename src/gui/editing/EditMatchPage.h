#pragma once
#include <cstdint>
#include <vector>

#include "editing/EditSimPage.h"
#include "model/ChemistryEntry.h"

class wxListView;
class wxStaticText;
class SimRegistry;

/// "Love": the Sim's match (status and partner, chosen in "Make Match") and its
/// chemistry (chosen in the chemistry picker). Both stay pending until the Edit
/// Sim dialog's OK, which writes each on both sides only when it was changed
/// here: an untouched page leaves one-sided links and other Sims' entries alone.
class EditMatchPage : public EditSimPage {
public:
    EditMatchPage(wxWindow* parent, SimRegistry& registry);
    bool SaveToSim(SimEdit& edit) override;
    void LoadFromSim(Sim* sim) override;
    void ChangeMatch();
    void ModifyChemistry();

    int32_t PendingStatus() const { return status_; }
    int32_t PendingPartner() const { return partnerId_; }
    const std::vector<ChemistryEntry>& PendingChemistry() const { return chemistry_; }
    wxListView* ChemistryList() const { return list_; }
    wxStaticText* MatchLabel() const { return match_; }
    wxStaticText* StatusLabel() const { return statusLabel_; }
    /// Life stage the status choices follow (the Edit Sim dialog keeps it current).
    void SetLifeStage(int32_t stage) { lifeStage_ = stage; }

private:
    void ShowMatch();
    void FillChemistry();
    SimRegistry& registry_;
    Sim* sim_ = nullptr;
    int32_t status_ = 3;
    int32_t partnerId_ = -1;
    int32_t lifeStage_ = 1;
    std::vector<ChemistryEntry> chemistry_;
    int32_t loadedStatus_ = 3;
    int32_t loadedPartnerId_ = -1;
    std::vector<ChemistryEntry> loadedChemistry_;
    wxStaticText* match_ = nullptr;
    wxStaticText* statusLabel_ = nullptr;
    wxListView* list_ = nullptr;
};
