#include <wx/intl.h>
#include <wx/utils.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "common/FileNameAsker.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "export/GedcomWriter.h"

// Export of the family history for genealogy programs. Export only reads the
// neighborhood: it neither changes it nor marks it modified.

namespace {

/// The suggested export name: the neighborhood's own name with ".ged", in its folder
/// when it has one, else in the "Saved" folder.
FileNameRequest GedcomRequest(wxWindow* parent, const std::string& currentFile, const std::string& installDir) {
    FileNameRequest request;
    request.parent = parent;
    request.message = _("Export the family history as a GEDCOM file");
    request.forSaving = true;
    request.extension = "ged";
    request.wildcard = _("GEDCOM files (*.ged)|*.ged");
    std::string folder = installDir + "/Saved";
    std::string base = currentFile;
    const size_t cut = base.find_last_of("\\/");
    if (cut != std::string::npos) {
        folder = base.substr(0, cut);
        base = base.substr(cut + 1);
    }
    const size_t dot = base.find_last_of('.');
    if (dot != std::string::npos && dot > 0) base.resize(dot);
    if (base.empty()) base = "Neighborhood";
    request.defaultDir = ToWx(folder);
    request.defaultFile = ToWx(base + ".ged");
    return request;
}

}  // namespace

void NestrelFrame::BindExportCommands() { Bind(wxEVT_MENU, &NestrelFrame::OnExportGedcom, this, ID_EXPORT_GEDCOM); }

void NestrelFrame::OnExportGedcom(wxCommandEvent&) {
    if (registry_.allSims.Count() == 0) {
        ShowNotice(_("There are no Sims to export."));
        return;
    }
    const std::string path = ToStd(AskFileName(GedcomRequest(this, currentFile_, installDir_)));
    if (path.empty()) return;
    ShowStatusNow(_("Exporting, Please wait..."));
    std::string error;
    bool written;
    {
        wxBusyCursor busy;
        written = ExportGedcomFile(registry_, NESTREL_VERSION, path, error);
    }
    ShowStatus(_("Ready"));
    if (!written)
        ShowNotice(wxString::Format(_("The GEDCOM file could not be written:\n%s\n\n%s"), ToWx(path), ToWx(error)),
                   _(Caption::Error));
}
