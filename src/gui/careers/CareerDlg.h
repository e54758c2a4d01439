#pragma once
#include <vector>

#include <wx/dialog.h>

class wxListBox;
class wxListCtrl;
class wxStaticText;
class CareerList;
struct CareerDefinition;

/// "Career Information": the careers in a list, and for the one selected its ten
/// levels and its part-time track, position by position. Leads to the skills table
/// and to finding careers by skills. Does not open without careers.
class CareerDlg : public wxDialog {
public:
    CareerDlg(wxWindow* parent, const CareerList* careers);

    /// "No career information available!" and no dialog when there are no careers;
    /// otherwise the first career is shown and the dialog runs.
    int ShowModal() override;

    /// Fills the career list and shows its first career.
    void FillCareers();
    /// Shows the levels of the career selected in the list.
    void ShowCareer();
    /// "&Show Skills": the "Career Skills" table.
    void ShowCareerSkills();
    /// "&Match Skills": the dialog that finds careers by skills.
    void MatchSkills();

    wxListBox* CareerBox() const { return careerBox_; }
    wxStaticText* CareerName() const { return careerName_; }
    wxListCtrl* Levels() const { return levels_; }
    wxListCtrl* PartTimeLevels() const { return partTime_; }

private:
    const CareerList* careers_;
    // The career of each list entry; the career table stays the same for the whole run.
    std::vector<const CareerDefinition*> shown_;
    wxListBox* careerBox_ = nullptr;
    wxStaticText* careerName_ = nullptr;
    wxListCtrl* levels_ = nullptr;
    wxListCtrl* partTime_ = nullptr;
};
