#include "familytree/FTFrame.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/toolbar.h>

#include "base/FileIO.h"
#include "common/ArtProvider.h"
#include "common/FileNameAsker.h"
#include "common/MessageBox.h"
#include "common/ResBitmap.h"
#include "common/WxString.h"
#include "familytree/DcTreePainter.h"
#include "familytree/TreeCanvas.h"
#include "familytree/TreeChart.h"
#include "model/SimRegistry.h"
#include "moves/TransferDlg.h"
#include "base/Translate.h"

namespace {

struct TreeTool {
    int id;
    const char* image;  // BMP under res/
    const char* icon;   // the compiled-in picture used when the BMP cannot be read
    const char* label;
    const char* tooltip;
};

constexpr TreeTool kTreeTools[] = {
    {FTFrame::ID_NEW_TREE, "newtree.bmp", "TREENEW", N_("Show new tree"), N_("Show new tree")},
    {FTFrame::ID_CLOSE_TREE, "close.bmp", "TREECLOSE", N_("Close"), N_("Close family tree display")},
    {FTFrame::ID_REFRESH_TREE, "refresh.bmp", "TREEREFRESH", N_("Refresh"), N_("Refresh display")},
    {FTFrame::ID_SAVE_PICTURE, "savepicture.bmp", "TREESAVE", N_("Save picture"),
     N_("Save the chart as a PNG or SVG picture")},
};

wxBitmap ToolPicture(const TreeTool& tool) {
    wxBitmap picture = LoadResBitmap(tool.image);
    if (picture.IsOk()) return picture;
    return IconResource(tool.icon, wxSize(24, 24));
}

bool EndsWithNoCase(const std::string& text, const std::string& end) {
    if (text.size() < end.size()) return false;
    for (size_t i = 0; i < end.size(); ++i) {
        const char a = static_cast<char>(std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])));
        if (a != end[i]) return false;
    }
    return true;
}

}  // namespace

FTFrame::FTFrame(wxWindow* parent, SimRegistry& registry)
    : wxFrame(parent, wxID_ANY, _("Family Tree"), wxPoint(50, 50), wxSize(750, 640)), registry_(registry) {
    SetIcons(IconResourceBundle("NESTREL"));
    wxToolBar* toolBar = CreateToolBar(wxTB_DEFAULT_STYLE, wxID_ANY, "toolbar");
    toolBar->SetToolBitmapSize(wxSize(24, 24));
    for (const TreeTool& tool : kTreeTools)
        toolBar->AddTool(tool.id, wxGetTranslation(tool.label), ToolPicture(tool), wxGetTranslation(tool.tooltip),
                         wxITEM_NORMAL);
    toolBar->Realize();

    tree_.Build(registry_);
    tree_.LinkParents();
    canvas_ = new TreeCanvas(this);

    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowNewTree(); }, ID_NEW_TREE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Close(true); }, ID_CLOSE_TREE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { canvas_->Refresh(true); }, ID_REFRESH_TREE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { SavePictureAsked(); }, ID_SAVE_PICTURE);
}

void FTFrame::PrepareDC(wxDC& dc) {
    dc.SetLogicalOrigin(0, 0);
    dc.SetAxisOrientation(true, false);
    dc.SetUserScale(1.0, 1.0);
    dc.SetMapMode(wxMM_TEXT);
}

void FTFrame::ShowNewTree() {
    if (AskYesNoQuestion(_("Show the biggest family?"), wxGetTranslation(Caption::Question), this)) {
        ShowDeepest();
        return;
    }
    TransferDlg dlg(this, registry_, std::string());
    dlg.SetTitle(_("Pick A Sim"));
    dlg.SetPrompt(_("Pick a sim to start with:"));
    dlg.UseSimMode();
    if (dlg.ShowModal() != wxID_OK) return;
    tree_.SetRoot(dlg.ChosenSimId());
    canvas_->Refresh(true);
}

void FTFrame::ShowDeepest() {
    tree_.SetRoot(tree_.FindDeepestSim(registry_));
    canvas_->Refresh(true);
}

void FTFrame::SavePictureAsked() {
    if (tree_.RootSimId() == -1 || tree_.SimOf(registry_, tree_.RootIndex()) == nullptr) {
        ShowNotice(_("Please choose a Sim with \"Show new tree\" first."), wxGetTranslation(Caption::Message), this);
        return;
    }
    FileNameRequest request;
    request.parent = this;
    request.message = _("Save the chart as");
    request.extension = "png";
    request.wildcard = _("PNG pictures (*.png)|*.png|SVG pictures (*.svg)|*.svg");
    request.forSaving = true;
    std::string path = ToStd(AskFileName(request));
    if (path.empty()) return;
    if (!wxFileName(ToWx(path)).HasExt()) path += ".png";
    std::string error;
    if (!SavePicture(path, &error))
        ShowMessageBox(wxString::Format(_("The picture could not be saved to %s: %s"), ToWx(path), ToWx(error)),
                       wxGetTranslation(Caption::Error), wxOK | wxICON_ERROR, this);
}

bool FTFrame::SavePicture(const std::string& path, std::string* error) {
    const bool svg = EndsWithNoCase(path, ".svg");
    if (!svg && !EndsWithNoCase(path, ".png")) {
        if (error) *error = ToStd(_("the name must end in .png or .svg"));
        return false;
    }
    if (tree_.SimOf(registry_, tree_.RootIndex()) == nullptr) {
        if (error) *error = ToStd(_("there is no chart to save"));
        return false;
    }
    // The layout is measured in the picture's own font.
    wxBitmap scratch(1, 1);
    wxMemoryDC measureDc(scratch);
    measureDc.SetFont(FamilyTreeFont());
    DcTreePainter measure(measureDc);
    const PicturePlan plan = PlanPicture(tree_, registry_, measure);

    std::string bytes;
    if (svg) {
        // The SVG context writes a file of its own; it goes to a temporary file that is
        // then copied into place safely.
        const wxString temp = wxFileName::CreateTempFileName("nestrel-tree");
        if (temp.empty()) {
            if (error) *error = ToStd(_("no temporary file could be made"));
            return false;
        }
        {
            wxSVGFileDC dc(temp, plan.width, plan.height, 72, ToWx(tree_.Label(registry_, tree_.RootIndex())));
            PrepareTreeDC(dc);
            DcTreePainter painter(dc);
            DrawPicture(tree_, registry_, painter, plan);
        }
        const bool read = ReadWholeFile(ToStd(temp), bytes);
        wxRemoveFile(temp);
        if (!read || bytes.empty()) {
            if (error) *error = ToStd(_("the picture could not be drawn"));
            return false;
        }
    } else {
        wxBitmap bitmap(plan.width, plan.height, 24);
        if (!bitmap.IsOk()) {
            if (error) *error = ToStd(_("the picture is too large"));
            return false;
        }
        {
            wxMemoryDC dc(bitmap);
            PrepareTreeDC(dc);
            DcTreePainter painter(dc);
            DrawPicture(tree_, registry_, painter, plan);
        }
        if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
        wxMemoryOutputStream out;
        if (!bitmap.ConvertToImage().SaveFile(out, wxBITMAP_TYPE_PNG)) {
            if (error) *error = ToStd(_("the picture could not be encoded"));
            return false;
        }
        bytes.resize(static_cast<size_t>(out.GetSize()));
        out.CopyTo(bytes.data(), bytes.size());
    }
    return WriteFileAtomically(path, bytes, error);
}
