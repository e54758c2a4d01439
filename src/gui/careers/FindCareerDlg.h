#pragma once
#include <wx/dialog.h>

class wxCheckListBox;
class wxListBox;
class wxStaticText;
class CareerDlg;
class CareerList;

/// "Find Career Dialog": up to three skills chosen, the careers that need all three
/// and those that need two of them. A click on a skill checks or unchecks it, so
/// three skills are chosen with three clicks and no modifier key.
class FindCareerDlg : public wxDialog {
public:
    /// `careers` may be null; "&Match!" then says so.
    FindCareerDlg(CareerDlg* parent, const CareerList* careers);

    /// A click on a skill's name: checks or unchecks it, as its box would.
    void ToggleSkill(int item);
    /// Checking a fourth skill leaves it unchecked.
    void LimitSkillSelection(int item);
    /// "&Match!": fills both result lists from the skills chosen and says when
    /// nothing matches.
    void MatchSkills();

    wxCheckListBox* Skills() const { return skills_; }
    wxListBox* BestTwo() const { return bestTwo_; }
    wxListBox* AllThree() const { return allThree_; }
    /// "Skills chosen: n of 3".
    wxStaticText* CountText() const { return count_; }
    /// What "&Match!" found, in words; empty while the lists speak for themselves.
    wxStaticText* MatchNote() const { return note_; }

private:
    /// The checked skills, in list order.
    wxArrayInt CheckedSkills() const;
    void ShowCount();

    CareerDlg* careerDlg_;
    const CareerList* careers_;
    wxCheckListBox* skills_ = nullptr;
    wxListBox* bestTwo_ = nullptr;
    wxListBox* allThree_ = nullptr;
    wxStaticText* count_ = nullptr;
    wxStaticText* note_ = nullptr;
};
