#pragma once
#include <functional>
#include <vector>

#include "editing/BasicInfoRules.h"
#include "editing/EditSimPage.h"
#include "editing/SimEdit.h"

class wxComboBox;
class wxRadioBox;
class wxTextCtrl;
class Prompter;
class SimRegistry;

/// "Basic Info": first name, sign, age, gender, aspiration, degree, and the
/// "Sim Status" button. The age is stored by the career page, which follows
/// the Age combo. The sign combo starts with "(none)", so a Sim without a sign
/// shows none and keeps none unless the user picks one. "Sim Status" edits the
/// page's copy of the flags, written only by the dialog's OK.
class EditBasicInfoPage : public EditSimPage {
public:
    EditBasicInfoPage(wxWindow* parent, SimRegistry& registry, std::vector<const Sim*> pending);
    bool ConfirmSave() override;
    bool SaveToSim(SimEdit& edit) override;
    void LoadFromSim(Sim* sim) override;

    /// The Age combo's life stage (1, "Adult", when nothing is selected).
    int LifeStage() const;
    void SelectLifeStage(int stage);
    /// Called with the new life stage whenever the Age combo changes.
    void OnLifeStageChanged(std::function<void(int)> handler) { lifeStageChanged_ = std::move(handler); }
    /// The flags as "Sim Status" left them (the Sim's until it is used).
    const SimStatusFlags& PendingFlags() const { return flags_; }
    /// The sign combo's entry for a sign entry of BasicSignTexts (-1: "(none)").
    static int SignComboEntry(int signEntry) { return signEntry + 1; }

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
    SimStatusFlags flags_;
    std::function<void(int)> lifeStageChanged_;
    wxTextCtrl* firstName_ = nullptr;
    wxComboBox* lastName_ = nullptr;
    wxComboBox* sign_ = nullptr;
    wxComboBox* age_ = nullptr;
    wxRadioBox* gender_ = nullptr;
    wxComboBox* aspiration_ = nullptr;
    wxComboBox* degree_ = nullptr;
};
