#include "chemistry/ChemMatchConfirmDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/WxString.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

ChemMatchConfirmDlg::ChemMatchConfirmDlg(wxWindow* parent, const SimRegistry& registry, int32_t firstId,
                                         int32_t secondId)
    : wxDialog(parent, wxID_ANY, _("Confirm Chemistry Match")) {
    const wxString question = wxString(_("These Sims may already be in a match!\nAre you sure you want to")) +
                              _(" remove any current \nmatches these Sims are in") + _(" and make this match?");
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    const int32_t ids[2] = {firstId, secondId};
    for (int side = 0; side < 2; ++side) {
        auto* column = new wxBoxSizer(wxVERTICAL);
        const Sim* sim = registry.FindSim(ids[side]);
        lines_[side][0] = new wxStaticText(this, wxID_ANY, side == 0 ? "Sim1" : "Sim2");
        lines_[side][0]->SetForegroundColour(*wxBLUE);
        lines_[side][1] = new wxStaticText(this, wxID_ANY, _("Status: ") + _("none"));
        lines_[side][2] = new wxStaticText(this, wxID_ANY, _("Match: "));
        if (sim != nullptr) {
            lines_[side][0]->SetLabel(ToWx(sim->ShownFullName()));
            lines_[side][1]->SetLabel(_("Status: ") + ToWx(sim->StatusName()));
            const Sim* partner = sim->Partner(registry);
            lines_[side][2]->SetLabel(_("Match: ") + (partner ? ToWx(partner->ShownFullName()) : wxString()));
        }
        for (wxStaticText* line : lines_[side]) column->Add(line, 0, wxBOTTOM, 4);
        columns->Add(column, 1, wxEXPAND | wxALL, 8);
    }
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, _("&Make Match")), 0, wxRIGHT, 10);
    buttons->Add(new wxButton(this, wxID_CANCEL, _("&Cancel")));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, question), 0, wxALL, 10);
    sizer->Add(columns, 0, wxEXPAND);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("The Sims' current matches will become single.")), 0, wxALL, 10);
    sizer->Add(buttons, 0, wxALIGN_CENTER | wxALL, 8);
    SetSizerAndFit(sizer);
}
