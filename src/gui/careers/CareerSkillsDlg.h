#pragma once
#include <wx/dialog.h>

class wxListCtrl;
class CareerList;

/// "Career Skills": every career with the skills it needs.
class CareerSkillsDlg : public wxDialog {
public:
    CareerSkillsDlg(wxWindow* parent, const CareerList& careers);
    wxListCtrl* List() const { return list_; }

private:
    wxListCtrl* list_ = nullptr;
};
