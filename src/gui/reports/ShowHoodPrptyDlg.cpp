#include "reports/ShowHoodPrptyDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/WxString.h"
#include "reports/AspirationDlg.h"
#include "reports/NeighborhoodFigures.h"

namespace {
enum { ID_ASPIRATIONS = 8 };
}  // namespace

ShowHoodPrptyDlg::ShowHoodPrptyDlg(wxWindow* parent, SimRegistry& registry)
    : wxDialog(parent, wxID_ANY, _("Neighborhood Information"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry) {
    wxFont valueFont = GetFont();
    valueFont.SetPointSize(13);
    const int labelWidth = FontScaledWidth(this, 100);
    auto* rows = new wxFlexGridSizer(2, 6, 10);
    bool first = true;
    for (const auto& [label, value] : NeighborhoodInfoRows(ComputeNeighborhoodFigures(registry))) {
        auto* labelText = new wxStaticText(this, wxID_ANY, ToWx(label));
        labelText->SetMinSize(wxSize(std::max(labelWidth, labelText->GetBestSize().x), -1));
        rows->Add(labelText, 0, wxALIGN_CENTER_VERTICAL);
        // The counts sit centred in a column of their own; the file name reads from the left.
        auto* valueText = new wxStaticText(this, wxID_ANY, ToWx(value), wxDefaultPosition, wxDefaultSize,
                                           first ? 0 : wxALIGN_CENTRE_HORIZONTAL);
        valueText->SetForegroundColour(wxColour(0, 0, 255));
        valueText->SetFont(valueFont);
        if (!first) valueText->SetMinSize(wxSize(std::max(FontScaledWidth(this, 100), valueText->GetBestSize().x), -1));
        rows->Add(valueText, 0, wxALIGN_CENTER_VERTICAL | (first ? 0 : wxEXPAND));
        values_.push_back(valueText);
        first = false;
    }
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);
    sizer->Add(rows, 0, wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(10);
    sizer->Add(new wxButton(this, ID_ASPIRATIONS, _("Aspiration Summary")), 0, wxALIGN_CENTER);
    sizer->AddSpacer(10);
    sizer->Add(new wxButton(this, wxID_OK, _("&OK")), 0, wxALIGN_CENTER);
    sizer->AddSpacer(10);
    SetSizer(sizer);
    sizer->SetSizeHints(this);
    const wxSize design = FontScaled(this, wxSize(400, 200));
    SetSize(wxSize(std::max(GetSize().x, design.x), std::max(GetSize().y, design.y)));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowAspirations(); }, ID_ASPIRATIONS);
}

void ShowHoodPrptyDlg::ShowAspirations() {
    AspirationDlg dlg(this, registry_);
    dlg.ShowModal();
}
