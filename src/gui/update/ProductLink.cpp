#include "update/ProductLink.h"

#include <wx/hyperlink.h>

wxHyperlinkCtrl* MakeProductLink(wxWindow* parent, const wxString& label, const wxString& url) {
    auto* link = new wxHyperlinkCtrl(parent, wxID_ANY, label, url, wxDefaultPosition, wxDefaultSize,
                                     wxHL_DEFAULT_STYLE, "statictextlink1");
    link->SetNormalColour(*wxBLUE);
    link->SetHoverColour(*wxBLUE);
    link->SetVisitedColour(*wxBLUE);
    return link;
}
