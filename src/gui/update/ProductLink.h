#pragma once
#include <wx/string.h>

class wxWindow;
class wxHyperlinkCtrl;

/// The link to the product page shown by the about and update dialogs: its label
/// in blue in every state; a click opens the address in the default browser.
wxHyperlinkCtrl* MakeProductLink(wxWindow* parent, const wxString& label, const wxString& url);
