#pragma once
#include <vector>

#include <wx/dialog.h>

class CareerList;
class EditSimListBook;
class Sim;
class SimRegistry;

/// "Add a Sim" / "Editing <name>": the pages of one Sim. OK lets every page
/// check first and writes only when all agree; Cancel writes nothing (what
/// "Sim Status" and "&Promote" did stays, and `ChangedSim` tells so).
class EditSimDialog : public wxDialog {
public:
    /// `pending` are the other Sims waiting to join the family, whose first
    /// names count as taken.
    EditSimDialog(wxWindow* parent, SimRegistry& registry, const CareerList* careers, Sim* sim,
                  std::vector<const Sim*> pending = {});
    EditSimListBook* Book() const { return book_; }
    /// True when the Sim was changed, by OK or by an action inside the pages.
    bool ChangedSim() const;
    /// What OK does before the dialog closes: true when every page checked and wrote.
    bool Accept();

private:
    void OnOk(wxCommandEvent& event);
    Sim* sim_;
    EditSimListBook* book_ = nullptr;
    bool saved_ = false;
};
