#pragma once
#include <functional>
#include <vector>

#include "editing/BasicInfoRules.h"
#include "editing/EditSimPage.h"

class wxComboBox;
class wxRadioBox;
class wxTextCtrl;
class Prompter;
class SimRegistry;

/// "Basic Info": first name, sign, age, gender, aspiration, degree, and the
/// "Sim Status" button. The age is stored by the career page, which follows
/// the Age combo.
class EditBasicInfoPage : public EditSimPage {
public:
    EditBasicInfoPage(wxWindow* parent, SimRegistry& registry, std::vector<const Sim*> pending);
    bool ConfirmSave() override;
    bool SaveToSim(Sim* sim) override;
    void LoadFromSim(Sim* sim) override;

    /// The Age combo's life stage (1, "Adult", when nothing is selected).
    int LifeStage() const;
    void SelectLifeStage(int stage);
    /// Called with the new life stage whenever the Age combo changes.
    void OnLifeStageChanged(std::function<void(int)> handler) { lifeStageChanged_ = std::move(handler); }
    /// True once "Sim Status" wrote the flags.
    bool StatusChanged() const { return statusChanged_; }

    wxTextCtrl* FirstName() const { return firstName_; }
    wxComboBox* SignCombo() const { return sign_; }
    wxComboBox* AgeCombo() const { return age_; }

private:
    void OnAgeChosen(wxCommandEvent& event);
    void OnSimStatus(wxCommandEvent& event);
    BasicInfoChoice ReadChoice() const;

    SimRegistry& registry_;
    std::vector<const Sim*> pending_;
    Sim* sim_ = nullptr;
    int cachedAspiration_ = 0;
    BasicInfoChoice confirmed_;
    bool statusChanged_ = false;
    std::function<void(int)> lifeStageChanged_;
    wxTextCtrl* firstName_ = nullptr;
    wxComboBox* lastName_ = nullptr;
    wxComboBox* sign_ = nullptr;
    wxComboBox* age_ = nullptr;
    wxRadioBox* gender_ = nullptr;
    wxComboBox* aspiration_ = nullptr;
    wxComboBox* degree_ = nullptr;
};
