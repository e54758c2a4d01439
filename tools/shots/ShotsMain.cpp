// nestrel-shots: pictures every registered window of the program on the current X
// display, for the help book and for looking at layouts. Run it through
// scripts/screenshots.sh, which stages a copy of the shipped data and a throwaway
// HOME: the program is started from the staged folder exactly as the user starts it,
// and closed without saving anything.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/dialog.h>
#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/timer.h>
#include <wx/utils.h>
#include <wx/stdpaths.h>

#include "app/Translations.h"
#include "ShotRegistry.h"
#include "app/AppContext.h"
#include "app/AppSetup.h"
#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "app/RowListCtrl.h"
#include "base/IdCounters.h"
#include "common/ResBitmap.h"

extern "C" void gtk_dialog_response(void* dialog, int response);

namespace {

void Settle() {
    for (int i = 0; i < 6; ++i) {
        wxTheApp->Yield(true);
        wxMilliSleep(60);
    }
}

bool SaveRect(const wxRect& rect, const wxString& path) {
    if (rect.IsEmpty()) return false;
    wxBitmap picture(rect.GetSize(), 24);
    {
        wxMemoryDC memory(picture);
        wxScreenDC screen;
        memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    }
    return picture.SaveFile(path, wxBITMAP_TYPE_PNG);
}

std::string Run(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// The X window of a top-level window titled `title`, as the window manager would see
// it; empty while there is none (a message box is mapped a moment after it opens).
std::string WindowIdTitled(const wxString& title) {
    const std::string tree = Run("xwininfo -root -tree 2>/dev/null");
    const std::string wanted = "\"" + std::string(title.utf8_str()) + "\": (";
    const size_t at = tree.find(wanted);
    if (at == std::string::npos) return {};
    const size_t lineStart = tree.rfind('\n', at) + 1;
    const size_t idStart = tree.find("0x", lineStart);
    if (idStart == std::string::npos || idStart > at) return {};
    return tree.substr(idStart, tree.find(' ', idStart) - idStart);
}

// A native message box is no wx window: it is pictured from the X server.
bool SaveWindow(const std::string& id, const wxString& path) {
    const std::string command = "import -window " + id + " '" + std::string(path.utf8_str()) + "' 2>/dev/null";
    return std::system(command.c_str()) == 0 && wxFileExists(path);
}

// Sees each message box as it opens, so that the picture taker can close it.
class MessageBoxWatcher : public wxModalDialogHook {
public:
    wxDialog* current = nullptr;

protected:
    int Enter(wxDialog* dialog) override {
        current = dialog;
        return wxID_NONE;  // show it
    }
    void Exit(wxDialog*) override { current = nullptr; }
};

class ShotsApp : public wxApp {
public:
    bool OnInit() override {
        SetUpToolkit(*this);
        // Toolkit errors go to the terminal: a log box would wait for a click forever.
        delete wxLog::SetActiveTarget(new wxLogStderr);
        // The pictures speak the language of the environment, as the program does.
        SetUpTranslations(CatalogueFolders(std::string(wxStandardPaths::Get().GetExecutablePath().utf8_str())));
        for (int i = 1; i < argc; ++i) wanted_.insert(std::string(argv[i].utf8_str()));
        outDir_ = wxGetenv("NESTREL_SHOTS_DIR") ? wxString(wxGetenv("NESTREL_SHOTS_DIR")) : wxString("shots");
        if (!wxDirExists(outDir_)) wxMkdir(outDir_);
        context_ = std::make_unique<AppContext>(AppContext{counters_, std::string(wxGetCwd().utf8_str()), {}, {}});
        SetResSearchDirs({context_->installDir});
        frame_ = new NestrelFrame(*context_, "Nestrel", wxPoint(50, 50), wxSize(700, 500));
        frame_->Show();
        SetTopWindow(frame_);
        watcher_.Register();
        CallAfter([this] { TakeAll(); });
        return true;
    }

private:
    bool Wanted(const std::string& name) const { return wanted_.empty() || wanted_.count(name) != 0; }
    wxString PathFor(const std::string& name) const { return outDir_ + "/" + wxString::FromUTF8(name) + ".png"; }

    void SelectFirstSim() {
        for (int id : {ID_FAMILY_LIST, ID_SIM_LIST}) {
            auto* list = dynamic_cast<RowListCtrl*>(wxWindow::FindWindowById(id, frame_));
            if (list == nullptr || list->GetCount() == 0) continue;
            list->SetSelection(0);
            wxCommandEvent event(wxEVT_LISTBOX, id);
            event.SetEventObject(list);
            event.SetInt(0);
            list->GetEventHandler()->ProcessEvent(event);
        }
    }

    void TakeAll() {
        SelectFirstSim();
        Settle();
        ShotContext context{*frame_};
        for (const Shot& shot : RegisteredShots()) {
            if (!Wanted(shot.name)) continue;
            wxWindow* window = shot.make(context);
            if (window == nullptr) {
                Report(shot.name, false);
                continue;
            }
            window->Show();
            window->Raise();
            window->Update();
            Settle();
            Settle();
            // Pictured from the X server once it has the window, as the user sees it.
            std::string id;
            for (int tries = 0; tries < 25 && id.empty(); ++tries) {
                id = WindowIdTitled(window->GetLabel());
                if (id.empty()) Settle();
            }
            Settle();
            const bool saved = id.empty() ? SaveRect(window->GetScreenRect(), PathFor(shot.name))
                                          : SaveWindow(id, PathFor(shot.name));
            Report(shot.name, saved);
            if (window != frame_) window->Destroy();
            Settle();
        }
        // Message boxes are pictured as they appear, then closed as the close box would.
        for (const MessageShot& shot : RegisteredMessageShots()) {
            if (!Wanted(shot.name)) continue;
            bool saved = false;
            wxTimer timer;
            int tries = 0;
            timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
                if (watcher_.current == nullptr || watcher_.current->GetHandle() == nullptr) return;
                const std::string id = WindowIdTitled(watcher_.current->GetTitle());
                if (id.empty() && ++tries < 25) return;  // not mapped yet
                timer.Stop();
                wxMilliSleep(300);  // drawn
                saved = !id.empty() && SaveWindow(id, PathFor(shot.name));
                gtk_dialog_response(watcher_.current->GetHandle(), -4);  // as the close box does
            });
            timer.Start(200);
            shot.open(context);
            timer.Stop();
            Report(shot.name, saved);
            Settle();
        }
        // Close without asking and without saving anything: nothing of the user's or
        // of the staged folder changes.
        frame_->Destroy();
        ExitMainLoop();
    }

    void Report(const std::string& name, bool ok) {
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", static_cast<const char*>(PathFor(name).utf8_str()));
        if (!ok) failed_ = true;
    }

public:
    int OnExit() override {
        watcher_.Unregister();
        return wxApp::OnExit();
    }
    int OnRun() override {
        wxApp::OnRun();
        return failed_ ? 1 : 0;
    }

private:
    IdCounters counters_;
    std::unique_ptr<AppContext> context_;
    NestrelFrame* frame_ = nullptr;
    MessageBoxWatcher watcher_;
    std::set<std::string> wanted_;
    wxString outDir_;
    bool failed_ = false;
};

}  // namespace

wxIMPLEMENT_APP(ShotsApp);
