#include "settings/ColourAsker.h"

#include <wx/colordlg.h>

namespace {
ColourAsker& Replacement() {
    static ColourAsker asker;
    return asker;
}
}  // namespace

std::optional<wxColour> AskColour(wxWindow* parent, const wxColour& initial) {
    if (Replacement()) return Replacement()(parent, initial);
    wxColourData data;
    data.SetColour(initial);
    wxColourDialog dialog(parent, &data);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.GetColourData().GetColour();
}

ColourAsker SetColourAsker(ColourAsker asker) {
    ColourAsker previous = std::move(Replacement());
    Replacement() = std::move(asker);
    return previous;
}
