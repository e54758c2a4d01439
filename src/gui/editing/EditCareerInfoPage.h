#pragma once
#include <vector>

#include "editing/CareerPageRules.h"
#include "careers/SimCareerData.h"
#include "editing/EditSimPage.h"

class wxButton;
class wxComboBox;
class wxRadioBox;
class wxStaticText;
class CareerList;

/// "Career": the life stage, career and level of the Sim, with a live preview
/// of the career text, "&Restore" and "&Promote". This page stores the Sim's
/// life stage. It works on a copy of the career record: "&Promote" promotes
/// the copy, and only the dialog's OK writes it into the Sim.
class EditCareerInfoPage : public EditSimPage {
public:
    EditCareerInfoPage(wxWindow* parent, const CareerList* careers);
    bool SaveToSim(SimEdit& edit) override;
    void LoadFromSim(Sim* sim) override;

    /// Selects a life stage and rebuilds the lists; nothing when already shown.
    void SetLifeStage(int stage);
    int LifeStage() const;
    /// The page's copy of the career record, promotions included.
    const SimCareerData& Record() const { return record_; }

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
    const Sim* sim_ = nullptr;
    SimCareerData record_;
    std::vector<CareerEntry> entries_;
    CareerChoice loaded_{1, -2, -2};  // matches no choice until a record is loaded
    wxRadioBox* stage_ = nullptr;
    wxComboBox* career_ = nullptr;
    wxComboBox* level_ = nullptr;
    wxStaticText* preview_ = nullptr;
    wxButton* restore_ = nullptr;
    wxButton* promote_ = nullptr;
};
