#include <wx/intl.h>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "common/ArtProvider.h"
#include "common/ResBitmap.h"
#include "base/Translate.h"

namespace {

struct ToolSpec {
    int id;
    const char* image;  // BMP file under res/
    const char* icon;   // the compiled-in copy, drawn when the file is missing
    const char* label;
    const char* tooltip;
};

constexpr ToolSpec kTools[] = {
    {ID_HELP, "help.bmp", "TOOLHELP", N_("Help"), N_("Nestrel Help")},
    {ID_REFRESH, "refresh.bmp", "TOOLREFRESH", N_("Refresh"), N_("Refresh Sim List")},
    {ID_HOMELESS, "homeless.bmp", "TOOLHOMELESS", N_("Homeless"), N_("Show Homeless Dialog")},
    {ID_MATCHMAKER, "matchmaker.bmp", "TOOLMATCHMAKER", N_("MatchMaker"), N_("Show MatchMaker Dialog")},
    {ID_CAREER_INFO, "careerinfo1.bmp", "TOOLCAREER", N_("Career Info"), N_("Show Career Info Dialog")},
};

// Stands in for a picture that is missing or unreadable and has no compiled-in copy,
// so the tool still shows and works.
wxBitmap BlankToolBitmap(wxSize size) {
    wxImage blank(size);
    blank.SetAlpha();
    for (int y = 0; y < size.y; ++y)
        for (int x = 0; x < size.x; ++x) blank.SetAlpha(x, y, 0);
    return wxBitmap(blank);
}

}  // namespace

void NestrelFrame::BuildToolBar() {
    wxBitmap images[std::size(kTools)];
    wxSize toolSize(0, 0);
    for (size_t i = 0; i < std::size(kTools); ++i) {
        images[i] = LoadResBitmap(kTools[i].image);
        if (images[i].IsOk()) toolSize.IncTo(images[i].GetSize());
    }
    if (toolSize.x == 0) toolSize = wxSize(24, 24);
    // A picture file that is missing or unreadable is drawn from the program's own copy.
    for (size_t i = 0; i < std::size(kTools); ++i)
        if (!images[i].IsOk()) images[i] = IconResource(kTools[i].icon, toolSize);

    wxToolBar* toolBar = CreateToolBar(wxTB_DEFAULT_STYLE | wxTB_FLAT, wxID_ANY, "toolbar");
    toolBar->SetToolBitmapSize(toolSize);
    for (size_t i = 0; i < std::size(kTools); ++i) {
        const wxBitmap& image = images[i].IsOk() ? images[i] : BlankToolBitmap(toolSize);
        toolBar->AddTool(kTools[i].id, wxGetTranslation(kTools[i].label), image,
                         wxGetTranslation(kTools[i].tooltip), wxITEM_NORMAL);
    }
    toolBar->Realize();
}
