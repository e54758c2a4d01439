#pragma once
#include <wx/panel.h>

class wxCheckBox;
struct ProgramSettings;

/// The settings dialog's "General" page: whether closing asks before saving.
class SettingsDlgGenPage : public wxPanel {
public:
    explicit SettingsDlgGenPage(wxWindow* parent);
    void LoadFromSettings(const ProgramSettings& settings);
    void StoreToSettings(ProgramSettings& settings) const;
    wxCheckBox* AskToSaveBox() const { return askToSave_; }

private:
    wxCheckBox* askToSave_ = nullptr;
};
