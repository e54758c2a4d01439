#pragma once
#include <vector>

#include <wx/dialog.h>

class CareerList;
class EditSimListBook;
class Sim;
class SimRegistry;

/// "Add a Sim" / "Editing <name>": the pages of one Sim. The pages and the
/// dialogs they open ("Sim Status", "&Promote", the pickers, "Make Match") keep
/// their changes pending; OK lets every page check first, gathers what changed
/// into one `SimEdit` and writes it in one step. Cancel writes nothing.
class EditSimDialog : public wxDialog {
public:
    /// `pending` are the other Sims waiting to join the family, whose first
    /// names count as taken.
    EditSimDialog(wxWindow* parent, SimRegistry& registry, const CareerList* careers, Sim* sim,
                  std::vector<const Sim*> pending = {});
    EditSimListBook* Book() const { return book_; }
    /// What OK does before the dialog closes: true when every page checked and
    /// the edit was written.
    bool Accept();

private:
    void OnOk(wxCommandEvent& event);
    SimRegistry& registry_;
    Sim* sim_;
    EditSimListBook* book_ = nullptr;
};
