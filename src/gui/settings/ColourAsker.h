#pragma once
#include <functional>
#include <optional>

#include <wx/colour.h>

class wxWindow;

using ColourAsker = std::function<std::optional<wxColour>(wxWindow* parent, const wxColour& initial)>;

/// Every colour the program asks for goes through here: the colour chosen, or nothing
/// when the user cancelled. Shows the toolkit's colour dialog unless a replacement is
/// installed (the GTK colour dialog reads its colour back from its own widget, so a
/// window test cannot answer it through the dialog object).
std::optional<wxColour> AskColour(wxWindow* parent, const wxColour& initial);

/// Window tests answer colour questions themselves; an empty function restores the
/// real dialog. Returns the previous replacement.
ColourAsker SetColourAsker(ColourAsker asker);
