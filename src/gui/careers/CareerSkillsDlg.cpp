#include "careers/CareerSkillsDlg.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

#include "careers/CareerTables.h"
#include "common/FontScale.h"
#include "common/WxString.h"

CareerSkillsDlg::CareerSkillsDlg(wxWindow* parent, const CareerList& careers)
    : wxDialog(parent, wxID_ANY, _("Career Skills"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    list_ = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT);
    int widths[2] = {FontScaledWidth(this, 90), FontScaledWidth(this, 180)};
    list_->InsertColumn(0, _("Career"), wxLIST_FORMAT_LEFT, widths[0]);
    list_->InsertColumn(1, _("Skills"), wxLIST_FORMAT_LEFT, widths[1]);
    const int pad = FontScaledWidth(this, 14);
    for (const auto& [name, skills] : CareerSkillRows(careers)) {
        const wxString nameText = ToWx(name), skillsText = ToWx(skills);
        const long item = list_->InsertItem(list_->GetItemCount(), nameText);
        list_->SetItem(item, 1, skillsText);
        // Columns widen for their widest cell rather than cut it off.
        widths[0] = std::max(widths[0], list_->GetTextExtent(nameText).x + pad);
        widths[1] = std::max(widths[1], list_->GetTextExtent(skillsText).x + pad);
    }
    list_->SetColumnWidth(0, widths[0]);
    list_->SetColumnWidth(1, widths[1]);
    list_->SetMinSize(wxSize(std::max(FontScaledWidth(this, 300), widths[0] + widths[1] + FontScaledWidth(this, 24)),
                             FontScaledHeight(this, 170)));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(list_, 1, wxEXPAND | wxALL, 10);
    sizer->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxALIGN_CENTER | wxBOTTOM, 10);
    SetSizer(sizer);
    sizer->SetSizeHints(this);
    const wxSize design = FontScaled(this, wxSize(320, 250));
    SetSize(wxSize(std::max(GetSize().x, design.x), std::max(GetSize().y, design.y)));
}
