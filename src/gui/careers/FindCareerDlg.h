#pragma once
#include <wx/dialog.h>

class wxListBox;
class CareerDlg;
class CareerList;

/// "Find Career Dialog": up to three skills chosen, the careers that need all three
/// and those that need two of them.
class FindCareerDlg : public wxDialog {
public:
    /// `careers` may be null; "&Match!" then says so.
    FindCareerDlg(CareerDlg* parent, const CareerList* careers);

    /// Selecting a fourth skill leaves it unselected.
    void LimitSkillSelection(int item);
    /// "&Match!": fills both result lists from the skills chosen.
    void MatchSkills();

    wxListBox* Skills() const { return skills_; }
    wxListBox* BestTwo() const { return bestTwo_; }
    wxListBox* AllThree() const { return allThree_; }

private:
    CareerDlg* careerDlg_;
    const CareerList* careers_;
    wxListBox* skills_ = nullptr;
    wxListBox* bestTwo_ = nullptr;
    wxListBox* allThree_ = nullptr;
};
