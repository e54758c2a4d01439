#include "reports/SimListDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/WxString.h"
#include "reports/SimCard.h"

namespace {
std::vector<SimListEntry> PlainEntries(const std::vector<std::string>& texts) {
    std::vector<SimListEntry> entries;
    entries.reserve(texts.size());
    for (const std::string& text : texts) entries.push_back({text, -1});
    return entries;
}
}  // namespace

SimListDlg::SimListDlg(wxWindow* parent, const wxString& title, const wxString& heading,
                       std::vector<SimListEntry> entries, long listStyle)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      title_(title), sorted_((listStyle & wxLB_SORT) != 0), entries_(std::move(entries)) {
    list_ = new RowListCtrl(this, wxID_ANY, FontScaled(this, wxSize(120, 170)));
    total_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);
    sizer->Add(new wxStaticText(this, wxID_ANY, heading), 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(10);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(5);
    sizer->Add(total_, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, 10);
    sizer->AddSpacer(5);
    sizer->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxALIGN_CENTER | wxBOTTOM, 10);
    SetSizer(sizer);
    Fill();
}

SimListDlg::SimListDlg(wxWindow* parent, const wxString& title, const wxString& heading,
                       const std::vector<std::string>& texts, long listStyle)
    : SimListDlg(parent, title, heading, PlainEntries(texts), listStyle) {}

void SimListDlg::Fill() {
    // Each row keeps the position of its entry in entries_, also when sorted.
    std::vector<wxString> texts;
    std::vector<int32_t> positions;
    texts.reserve(entries_.size());
    positions.reserve(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) {
        texts.push_back(ToWx(entries_[i].text));
        positions.push_back(static_cast<int32_t>(i));
    }
    if (sorted_)
        list_->SetSortedRows(std::move(texts), std::move(positions));
    else
        list_->SetRows(std::move(texts), std::move(positions));
    // The longest text widens the list (up to a sensible width; the list scrolls
    // sideways beyond it) rather than being cut off.
    const wxSize design = FontScaled(this, wxSize(120, 170));
    list_->SetMinSize(wxSize(std::clamp(list_->ContentWidth() + FontScaledWidth(this, 24), design.x,
                                        FontScaledWidth(this, 480)),
                             design.y));
    total_->SetLabel(ToWx(ListTotalText(entries_.size())));
    SetTitle(title_);
    Layout();
    GetSizer()->SetSizeHints(this);
}

int SimListDlg::ShowModal() {
    SetTitle(title_);
    return wxDialog::ShowModal();
}

int32_t SimListDlg::SelectedId() const {
    const int32_t position = list_->SelectedId();
    return position >= 0 && static_cast<size_t>(position) < entries_.size() ? entries_[static_cast<size_t>(position)].id
                                                                             : -1;
}
