#include "familytree/FTFrame.h"

#include <algorithm>
#include <cmath>

#include <wx/bitmap.h>
#include <wx/choicdlg.h>
#include <wx/print.h>
#include <wx/settings.h>
#include <wx/time.h>
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
#include "editing/EditSimDialog.h"
#include "familytree/ChartLayout.h"
#include "familytree/ChartPrintout.h"
#include "familytree/ChartView.h"
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
    {FTFrame::ID_PRINT, "print.bmp", "TREEPRINT", N_("Print..."), N_("Print the chart")},
    {FTFrame::ID_PRINT_PREVIEW, "printpreview.bmp", "TREEPREVIEW", N_("Print Preview..."), 
     N_("Show the chart as it will be printed")},
    {FTFrame::ID_ZOOM_IN, "zoomin.bmp", "TREEZOOMIN", N_("Zoom in"), N_("Zoom in (Ctrl++)")},
    {FTFrame::ID_ZOOM_OUT, "zoomout.bmp", "TREEZOOMOUT", N_("Zoom out"), N_("Zoom out (Ctrl+-)")},
    {FTFrame::ID_ZOOM_FIT, "zoomfit.bmp", "TREEZOOMFIT", N_("Fit"), N_("Fit the whole chart in the window (Ctrl+0)")},
};

// Switches: drawn pressed while on.
constexpr TreeTool kTreeSwitches[] = {
    {FTFrame::ID_SIDEWAYS, "sideways.bmp", "TREESIDEWAYS", N_("Sideways"), 
     N_("Draw the chart sideways, the first Sim at the left")},
    {FTFrame::ID_DESCENDANTS, "descendants.bmp", "TREEDESCENDANTS", N_("Descendants"), 
     N_("Show the Sim's descendants instead of its ancestors")},
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

FTFrame::FTFrame(wxWindow* parent, SimRegistry& registry, TreeWindowContext context)
    : wxFrame(parent, wxID_ANY, _("Family Tree"), wxPoint(50, 50), wxSize(750, 640)),
      registry_(registry),
      context_(std::move(context)) {
    SetIcons(IconResourceBundle("NESTREL"));
    if (context_.sideways) orientation_ = ChartOrientation::Sideways;
    wxToolBar* toolBar = CreateToolBar(wxTB_DEFAULT_STYLE, wxID_ANY, "toolbar");
    toolBar->SetToolBitmapSize(wxSize(24, 24));
    for (const TreeTool& tool : kTreeTools) {
        toolBar->AddTool(tool.id, wxGetTranslation(tool.label), ToolPicture(tool), wxGetTranslation(tool.tooltip),
                         wxITEM_NORMAL);
        if (tool.id == ID_PRINT_PREVIEW) toolBar->AddSeparator();
    }
    toolBar->AddSeparator();
    for (const TreeTool& tool : kTreeSwitches)
        toolBar->AddTool(tool.id, wxGetTranslation(tool.label), ToolPicture(tool), wxGetTranslation(tool.tooltip),
                         wxITEM_CHECK);
    toolBar->Realize();

    tree_.Build(registry_);
    tree_.LinkParents();
    canvas_ = new TreeCanvas(this);
    measureDc_.SelectObject(measureBitmap_);
    measureDc_.SetFont(FamilyTreeFont());
    measure_ = std::make_unique<DcTreePainter>(measureDc_);
    measureCache_ = std::make_unique<MeasureCache>(*measure_);
    SyncTools();

    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowNewTree(); }, ID_NEW_TREE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Close(true); }, ID_CLOSE_TREE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Rebuild(); }, ID_REFRESH_TREE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { SavePictureAsked(); }, ID_SAVE_PICTURE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ZoomIn(); }, ID_ZOOM_IN);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ZoomOut(); }, ID_ZOOM_OUT);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ZoomToFit(); }, ID_ZOOM_FIT);
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) {
        SetOrientation(event.IsChecked() ? ChartOrientation::Sideways : ChartOrientation::Upright);
    }, ID_SIDEWAYS);
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) {
        SetKind(event.IsChecked() ? ChartKind::Descendants : ChartKind::Ancestors);
    }, ID_DESCENDANTS);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { PrintAsked(false); }, ID_PRINT);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { PrintAsked(true); }, ID_PRINT_PREVIEW);

    // Ctrl with plus (also on the keypad, and "=" where plus needs Shift), minus and 0.
    wxAcceleratorEntry keys[] = {
        {wxACCEL_CTRL, '+', ID_ZOOM_IN},       {wxACCEL_CTRL, '=', ID_ZOOM_IN},
        {wxACCEL_CTRL, WXK_NUMPAD_ADD, ID_ZOOM_IN}, {wxACCEL_CTRL, '-', ID_ZOOM_OUT},
        {wxACCEL_CTRL, WXK_NUMPAD_SUBTRACT, ID_ZOOM_OUT}, {wxACCEL_CTRL, '0', ID_ZOOM_FIT},
        {wxACCEL_CTRL, WXK_NUMPAD0, ID_ZOOM_FIT},
    };
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));
}

void FTFrame::PrepareDC(wxDC& dc) {
    dc.SetLogicalOrigin(0, 0);
    dc.SetAxisOrientation(true, false);
    dc.SetUserScale(zoom_, zoom_);
    dc.SetMapMode(wxMM_TEXT);
}

void FTFrame::SyncTools() {
    wxToolBar* toolBar = GetToolBar();
    toolBar->ToggleTool(ID_SIDEWAYS, orientation_ == ChartOrientation::Sideways);
    toolBar->ToggleTool(ID_DESCENDANTS, kind_ == ChartKind::Descendants);
}

void FTFrame::Relayout() {
    layout_ = LayOutChart(tree_, registry_, *measureCache_, kind_, orientation_);
    canvas_->FitToChart();
}

void FTFrame::ShowFreshChart() {
    Relayout();
    const wxSize client = canvas_->GetClientSize();
    zoom_ = OpeningZoom(layout_.width, layout_.height, client.x, client.y);
    canvas_->FitToChart();
    canvas_->ScrollToBox(layout_.rootBox);
    canvas_->Refresh(true);
}

void FTFrame::SetZoom(double zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_) return;
    // The chart point in the middle of the view stays there.
    const wxSize client = canvas_->GetClientSize();
    const wxPoint middle = canvas_->CalcUnscrolledPosition(wxPoint(client.x / 2, client.y / 2));
    const double cx = middle.x / zoom_, cy = middle.y / zoom_;
    zoom_ = zoom;
    canvas_->FitToChart();
    canvas_->ScrollToPoint(wxPoint(static_cast<int>(cx * zoom_), static_cast<int>(cy * zoom_)));
    canvas_->Refresh(true);
}

void FTFrame::ZoomIn() { SetZoom(::ZoomIn(zoom_)); }

void FTFrame::ZoomOut() { SetZoom(::ZoomOut(zoom_)); }

void FTFrame::ZoomToFit() {
    const wxSize client = canvas_->GetClientSize();
    SetZoom(FitZoom(layout_.width, layout_.height, client.x, client.y));
}

void FTFrame::SetKind(ChartKind kind) {
    kind_ = kind;
    SyncTools();
    ShowFreshChart();
}

void FTFrame::SetOrientation(ChartOrientation orientation) {
    orientation_ = orientation;
    SyncTools();
    if (context_.sidewaysChanged) context_.sidewaysChanged(orientation == ChartOrientation::Sideways);
    ShowFreshChart();
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
    ShowSim(dlg.ChosenSimId());
}

void FTFrame::ShowDeepest() { ShowSim(tree_.FindDeepestSim(registry_)); }

void FTFrame::ShowSim(int32_t simId) {
    const int32_t before = tree_.RootSimId();
    tree_.SetRoot(simId);
    if (tree_.RootSimId() == before && before != simId) return;
    ShowFreshChart();
}

void FTFrame::Rebuild() {
    const int32_t root = tree_.RootSimId();
    tree_.Build(registry_);
    tree_.LinkParents();
    if (root != -1 && registry_.FindSim(root) != nullptr) tree_.SetRoot(root);
    Relayout();
    canvas_->Refresh(true);
}

int32_t FTFrame::SimAt(const wxPoint& canvasPoint) const {
    const wxPoint logical = canvas_->CalcUnscrolledPosition(canvasPoint) - canvas_->ChartOffset();
    const int box = ChartBoxAt(layout_, static_cast<int>(std::floor(logical.x / zoom_)),
                               static_cast<int>(std::floor(logical.y / zoom_)));
    if (box < 0) return -1;
    const int32_t id = layout_.boxes[static_cast<size_t>(box)].simId;
    return id != -1 && registry_.FindSim(id) != nullptr ? id : -1;
}

void FTFrame::ClickAt(const wxPoint& canvasPoint) {
    // The second click of a double click belongs to the double click: the chart has
    // already changed under it.
    const long long now = wxGetLocalTimeMillis().GetValue();
    int interval = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
    if (interval <= 0) interval = 500;
    if (clickedSim_ != -1 && now - clickedAt_ < interval) return;
    const int32_t id = SimAt(canvasPoint);
    clickedSim_ = id;
    clickedAt_ = now;
    if (id != -1 && id != tree_.RootSimId()) ShowSim(id);
}

void FTFrame::DoubleClickAt(const wxPoint& canvasPoint) {
    // The first click made the Sim the root, so the name is elsewhere by now. The
    // button's release that follows is still part of this double click.
    const int32_t id = clickedSim_ != -1 ? clickedSim_ : SimAt(canvasPoint);
    clickedSim_ = id;
    clickedAt_ = wxGetLocalTimeMillis().GetValue();
    if (id != -1) EditSim(id);
}

void FTFrame::EditSim(int32_t simId) {
    Sim* sim = registry_.FindSim(simId);
    if (sim == nullptr) return;
    bool changed = false;
    {
        HistoryStep step(context_.history, ToStd(wxString::Format(_("Edit Sim %s"), ToWx(sim->ShownFullName()))));
        registry_.Touch(sim);
        EditSimDialog dlg(this, registry_, context_.careers, sim);
        // OK writes the edit in one go; Cancel writes nothing.
        changed = dlg.ShowModal() == wxID_OK;
        changed = step.Finish() || changed;
    }
    if (changed && context_.simEdited) context_.simEdited();
    Relayout();
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

void FTFrame::PrintAsked(bool preview) {
    if (layout_.Empty()) {
        ShowNotice(_("Please choose a Sim with \"Show new tree\" first."), wxGetTranslation(Caption::Message), this);
        return;
    }
    const wxString choices[] = {_("Fit the chart to one page"), _("Spread the chart over pages at its normal size")};
    wxSingleChoiceDialog ask(this, _("How should the chart be printed?"), preview ? _("Print Preview") : _("Print"),
                             static_cast<int>(std::size(choices)), choices);
    ask.SetSelection(printFit_ ? 0 : 1);
    if (ask.ShowModal() != wxID_OK) return;
    printFit_ = ask.GetSelection() == 0;
    if (preview) {
        if (PrintPreview(printFit_) == nullptr)
            ShowMessageBox(_("The print preview could not be shown: is a printer set up?"),
                           wxGetTranslation(Caption::Error), wxOK | wxICON_ERROR, this);
        return;
    }
    wxPrintDialogData data;
    wxPrinter printer(&data);
    ChartPrintout printout(layout_, printFit_, ToWx(tree_.Label(registry_, tree_.RootIndex())));
    if (!printer.Print(this, &printout, true) && wxPrinter::GetLastError() == wxPRINTER_ERROR)
        ShowMessageBox(_("The chart could not be printed."), wxGetTranslation(Caption::Error), wxOK | wxICON_ERROR,
                       this);
}

wxPrintPreview* FTFrame::PrintPreview(bool fitToPage) {
    if (layout_.Empty()) return nullptr;
    const wxString title = ToWx(tree_.Label(registry_, tree_.RootIndex()));
    auto* preview = new wxPrintPreview(new ChartPrintout(layout_, fitToPage, title),
                                       new ChartPrintout(layout_, fitToPage, title));
    if (!preview->IsOk()) {
        delete preview;
        return nullptr;
    }
    auto* frame = new wxPreviewFrame(preview, this, _("Print Preview"), wxPoint(80, 80), wxSize(800, 700));
    frame->Initialize();
    frame->Show();
    return preview;
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
    const ChartLayout plan = LayOutChart(tree_, registry_, measure, kind_, orientation_);

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
            DrawChart(plan, painter);
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
            DrawChart(plan, painter);
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
