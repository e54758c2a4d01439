#pragma once
#include <wx/dialog.h>

class wxNotebook;
class SettingsDlgGenPage;
class SettingsDlgColorsPage;
class SettingsDlgFeaturePage;
struct ProgramSettings;

/// "Settings": the notebook of the program settings, with the pages "General",
/// "Colors" and "Features". "&Ok" stores every page; "&Cancel" changes nothing.
class SettingsDlg : public wxDialog {
public:
    SettingsDlg(wxWindow* parent, ProgramSettings& settings);
    /// What "&Ok" does before the dialog closes.
    void Accept();

    wxNotebook* Book() const { return book_; }
    SettingsDlgGenPage* GeneralPage() const { return general_; }
    SettingsDlgColorsPage* ColorsPage() const { return colors_; }
    SettingsDlgFeaturePage* FeaturePage() const { return features_; }

private:
    ProgramSettings& settings_;
    wxNotebook* book_ = nullptr;
    SettingsDlgGenPage* general_ = nullptr;
    SettingsDlgColorsPage* colors_ = nullptr;
    SettingsDlgFeaturePage* features_ = nullptr;
};
