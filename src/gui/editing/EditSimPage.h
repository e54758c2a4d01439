#pragma once
#include <wx/panel.h>

class Sim;
struct SimEdit;

/// A page of the Edit Sim dialog. OK first lets every page check and ask what
/// it must (`ConfirmSave`); only when all agree does each page put what the
/// user changed on it into one `SimEdit`, which the dialog writes in one step.
/// A refused or answered-No OK, and Cancel, leave every Sim as it was.
class EditSimPage : public wxPanel {
public:
    explicit EditSimPage(wxWindow* parent)
        : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER, "panel") {}
    /// Checks the page's controls and asks the user's questions; false keeps the
    /// dialog open on this page. Writes nothing.
    virtual bool ConfirmSave() { return true; }
    /// Puts what the user changed on the page (and in the dialogs it opened)
    /// into the edit; an untouched page adds nothing. False keeps the dialog open.
    virtual bool SaveToSim(SimEdit& edit) = 0;
    /// Fills the page's controls from the Sim, which the page keeps.
    virtual void LoadFromSim(Sim* sim) = 0;
};
