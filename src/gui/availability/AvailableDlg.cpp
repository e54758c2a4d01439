#include "availability/AvailableDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "availability/AvailabilityRows.h"
#include "common/FontScale.h"
#include "common/WxString.h"
#include "model/Vocabulary.h"
#include "settings/FilterSettingsDlg.h"
#include "storage/ProgramSettings.h"

namespace {
enum { ID_HOUR = 0, ID_ORDER_BY = 1 };
}

AvailableDlg::AvailableDlg(wxWindow* parent, const SimRegistry& registry, ProgramSettings& settings, int hour,
                           int orderHour)
    : wxDialog(parent, wxID_ANY, _("Available List"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry), settings_(settings),
      hour_(AvailabilityHourForEntry(AvailabilityEntryForHour(hour))), orderHour_(orderHour), shownHour_(hour_) {
    hourBox_ = new wxComboBox(this, ID_HOUR, wxEmptyString, wxDefaultPosition, wxSize(FontScaledWidth(this, 110), -1), 0,
                              nullptr, wxCB_DROPDOWN | wxCB_READONLY);
    list_ = new IdListCtrl(this, wxID_ANY, FontScaled(this, wxSize(250, 240)));
    list_->SetTextColours({wxColour(0, 0, 255), wxColour(255, 0, 0)});  // male, female
    list_->InsertColumn(0, _("Name"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 170));
    list_->InsertColumn(1, _("Hours"), wxLIST_FORMAT_LEFT, FontScaledWidth(this, 70));
    // The list is as wide as its columns and a scroll bar, so no column is cut off.
    const int columns = list_->GetColumnWidth(0) + list_->GetColumnWidth(1) + FontScaledWidth(this, 24);
    list_->SetMinSize(wxSize(std::max(columns, FontScaledWidth(this, 250)), FontScaledHeight(this, 240)));

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(new wxStaticText(this, wxID_ANY, _("Hour: ")), 0, wxALIGN_CENTER_VERTICAL);
    top->Add(hourBox_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    top->Add(new wxButton(this, ID_ORDER_BY, _("Order By...")), 0, wxALIGN_CENTER_VERTICAL);
    note_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    note_->SetForegroundColour(wxColour(160, 0, 0));
    note_->Hide();
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top, 0, wxALL, 8);
    sizer->Add(note_, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    auto* ok = new wxButton(this, wxID_OK, _("&Ok"));
    ok->SetDefault();
    sizer->Add(ok, 0, wxALIGN_CENTER | wxALL, 8);
    SetSizerAndFit(sizer);

    Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { RefreshForSelectedHour(); }, ID_HOUR);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OrderBy(); }, ID_ORDER_BY);
}

int AvailableDlg::ShowModal() {
    Prepare();
    return wxDialog::ShowModal();
}

void AvailableDlg::Prepare() {
    hourBox_->Clear();
    for (const std::string& entry : HourEntryTexts()) hourBox_->Append(ToWx(entry));
    // The box shows the hour the list is for, so that a later "Order By..." relists
    // the same hour rather than 7 AM.
    hourBox_->SetSelection(AvailabilityEntryForHour(hour_));
    SetHourTitle(hour_);
    FillAvailable(hour_);
}

void AvailableDlg::SetHourTitle(int hour) { SetTitle(ToWx(AvailabilityTitle(hour))); }

void AvailableDlg::FillAvailable(int hour) {
    shownHour_ = hour;
    const std::vector<AvailabilityRow> rows =
        BuildAvailabilityRows(registry_, hour, settings_.firstOrder, settings_.secondOrder, orderHour_);
    std::vector<IdListRow> shown;
    shown.reserve(rows.size());
    for (const AvailabilityRow& row : rows) shown.push_back({row.simId, {ToWx(row.name), ToWx(row.hours)}, -1, row.male ? 0 : 1});
    list_->SetRows(std::move(shown));
    // Without the career file a Sim's working hours cannot be known: the window says
    // so rather than showing such Sims as free all day.
    const wxString note = ToWx(AvailabilityNote(rows));
    if (note != note_->GetLabel() || note_->IsShown() == note.empty()) {
        note_->SetLabel(note);
        note_->Wrap(list_->GetMinSize().x);
        note_->Show(!note.empty());
        Layout();
        GetSizer()->SetSizeHints(this);
    }
}

void AvailableDlg::RefreshForSelectedHour() {
    const int hour = AvailabilityHourForEntry(hourBox_->GetSelection());
    SetHourTitle(hour);
    FillAvailable(hour);
}

void AvailableDlg::OrderBy() {
    FilterSettingsDlg dialog(this, settings_, false);
    if (dialog.ShowModal() == wxID_OK) RefreshForSelectedHour();
}

int32_t AvailableDlg::RowSimId(long row) const {
    return list_->IdAt(row);
}
