#pragma once
#include <wx/artprov.h>
#include <wx/iconbndl.h>

/// Serves the program's named icon resources ("NESTREL", "ADD", "BASICEDIT", ...) to
/// wxArtProvider, scaled to the size asked for. Unknown names fall through to the
/// toolkit's own providers.
class NestrelArtProvider : public wxArtProvider {
protected:
    wxBitmap CreateBitmap(const wxArtID& id, const wxArtClient& client, const wxSize& size) override;
};

/// Registers the provider once for the whole run.
void InstallNestrelArtProvider();

/// The icon resource `name` at its own size, or scaled to `size` when given; an invalid
/// bitmap when there is no such resource.
wxBitmap IconResource(const wxString& name, wxSize size = wxDefaultSize);

/// The icon resource at the usual window-icon sizes, for frames and the task bar.
wxIconBundle IconResourceBundle(const wxString& name);
