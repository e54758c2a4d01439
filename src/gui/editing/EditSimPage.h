#pragma once
#include <wx/panel.h>

class Sim;

/// A page of the Edit Sim dialog. OK first lets every page check and ask what
/// it must (`ConfirmSave`), and only when all agree does any page write, so a
/// refused or answered-No OK leaves the Sim exactly as it was.
class EditSimPage : public wxPanel {
public:
    explicit EditSimPage(wxWindow* parent)
        : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER, "panel") {}
    /// Checks the page's controls and asks the user's questions; false keeps the
    /// dialog open on this page. Writes nothing.
    virtual bool ConfirmSave() { return true; }
    /// Writes the page's controls into the Sim; false keeps the dialog open.
    virtual bool SaveToSim(Sim* sim) = 0;
    /// Fills the page's controls from the Sim, which the page keeps.
    virtual void LoadFromSim(Sim* sim) = 0;
};
