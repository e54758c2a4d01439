#pragma once
#include <vector>

#include "editing/CareerPageRules.h"
#include "editing/EditSimPage.h"

class wxButton;
class wxComboBox;
class wxRadioBox;
class wxStaticText;
class CareerList;
class SimCareerData;

/// "Career": the life stage, career and level of the Sim, with a live preview
/// of the career text, "&Restore" and "&Promote". This page stores the Sim's
/// life stage.
class EditCareerInfoPage : public EditSimPage {
public:
    EditCareerInfoPage(wxWindow* parent, const CareerList* careers);
    bool SaveToSim(Sim* sim) override;
    void LoadFromSim(Sim* sim) override;

    /// Selects a life stage and rebuilds the lists; nothing when already shown.
    void SetLifeStage(int stage);
    int LifeStage() const;
    /// True once "&Promote" changed the stored career.
    bool Promoted() const { return promoted_; }

    wxRadioBox* AgeLevel() const { return stage_; }
    wxComboBox* CareerCombo() const { return career_; }
    wxComboBox* LevelCombo() const { return level_; }
    wxStaticText* Preview() const { return preview_; }
    wxButton* PromoteButton() const { return promote_; }

private:
    void FillCareers();
    void FillLevels();
    void ShowPreview();
    void LoadFromRecord();
    CareerChoice CurrentChoice() const;
    void OnStage(wxCommandEvent& event);
    void OnCareer(wxCommandEvent& event);
    void OnLevel(wxCommandEvent& event);
    void OnRestore(wxCommandEvent& event);
    void OnPromote(wxCommandEvent& event);

    const CareerList* careers_;
    SimCareerData* record_ = nullptr;
    std::vector<CareerEntry> entries_;
    CareerChoice loaded_{1, -2, -2};  // matches no choice until a record is loaded
    bool promoted_ = false;
    wxRadioBox* stage_ = nullptr;
    wxComboBox* career_ = nullptr;
    wxComboBox* level_ = nullptr;
    wxStaticText* preview_ = nullptr;
    wxButton* restore_ = nullptr;
    wxButton* promote_ = nullptr;
};
