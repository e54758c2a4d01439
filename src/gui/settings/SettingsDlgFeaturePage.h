#pragma once
#include <wx/panel.h>

class wxCheckBox;
class wxStaticText;
struct ProgramSettings;

/// The settings dialog's "Features" page: the "Sims Nightlife" switch, kept for the
/// run only.
class SettingsDlgFeaturePage : public wxPanel {
public:
    explicit SettingsDlgFeaturePage(wxWindow* parent);
    void LoadFromSettings(const ProgramSettings& settings);
    void StoreToSettings(ProgramSettings& settings) const;
    wxCheckBox* NightlifeBox() const { return nightlife_; }
    /// Says what the switch does (nothing yet) and that it is not kept.
    wxStaticText* NightlifeNote() const { return note_; }

private:
    wxCheckBox* nightlife_ = nullptr;
    wxStaticText* note_ = nullptr;
};
