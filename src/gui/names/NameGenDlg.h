#pragma once
#include <wx/dialog.h>

class wxRadioBox;
class wxStaticText;
class wxTextCtrl;
class WordFileNames;

/// "Name Generator": draws a female first name, a male first name and a last name
/// from the names list, and adds typed names to it. The names file is written when
/// the main window closes, not here.
class NameGenDlg : public wxDialog {
public:
    NameGenDlg(wxWindow* parent, WordFileNames& names);

    /// "&Generate Names".
    void GenerateNames();
    /// "&Add": the typed name, its first letter raised, joins the chosen list.
    void AddName();

    wxStaticText* FemaleText() const { return female_; }
    wxStaticText* MaleText() const { return male_; }
    wxStaticText* LastText() const { return last_; }
    wxTextCtrl* NameField() const { return field_; }
    wxRadioBox* ListChoice() const { return kind_; }

private:
    WordFileNames& names_;
    wxStaticText* female_ = nullptr;
    wxStaticText* male_ = nullptr;
    wxStaticText* last_ = nullptr;
    wxTextCtrl* field_ = nullptr;
    wxRadioBox* kind_ = nullptr;
};
