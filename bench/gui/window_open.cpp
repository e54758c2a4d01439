// window_open: how long each window takes to open on a loaded neighborhood, and how
// long the program takes to show its main window. Run by bench/window_open.sh, which
// stages an install folder (Data, res, help, Saved/DefaultSims.NBD) and a throwaway HOME.
//
//   window_open windows [name ...]   (from the staged folder, on an X display)
//       builds the real main window, which loads Saved/DefaultSims.NBD as at start-up,
//       selects the first family and its first Sim, then sends each window's menu
//       command three times and prints one line per window:
//         window <name> <median ms> <min ms> <max ms> <title shown>
//       The time runs from the command to the window shown: the first idle moment of
//       the toolkit once the window is on screen, after its pending paint is done.
//       The window is then closed as Cancel closes it.
//   window_open startup <program> [runs]   (from the staged folder, on an X display)
//       starts the program that many times (3 by default) and prints
//         startup <median ms> <min ms> <max ms>
//       the time from starting the process to its main window being mapped (viewable)
//       on the display, seen through the X server's map notifications.
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/html/helpctrl.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include "app/AppContext.h"
#include "app/AppSetup.h"
#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "app/RowListCtrl.h"
#include "base/IdCounters.h"
#include "common/ResBitmap.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Figures {
    double median = 0, least = 0, most = 0;
};

Figures Summary(std::vector<double> times) {
    Figures f;
    if (times.empty()) return f;
    std::sort(times.begin(), times.end());
    f.median = times[times.size() / 2];
    f.least = times.front();
    f.most = times.back();
    return f;
}

// ---- start-up: the time to a viewable main window ----

// The name X knows a top-level window by, or empty.
std::string WindowName(Display* display, Window window) {
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) && name != nullptr) result = name;
    if (name != nullptr) XFree(name);
    return result;
}

int ErrorsIgnored(Display*, XErrorEvent*) { return 0; }  // a window gone before it was asked about

double TimeOneStart(Display* display, const char* program) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    if (child < 0) return -1;
    double shown = -1;
    // Without a window manager the program's windows are the root's children: their
    // map notifications come to anyone listening on the root. The main window's title
    // starts with the program's name.
    while (shown < 0) {
        while (XPending(display) == 0) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) return -1;  // died before showing
            usleep(1000);
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify) continue;
        const Clock::time_point mapped = Clock::now();
        if (WindowName(display, event.xmap.window).rfind("Nestrel", 0) == 0) shown = Ms(mapped - start);
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    return shown;
}

int RunStartup(const char* program, int runs) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "window_open: no display\n");
        return 1;
    }
    XSetErrorHandler(ErrorsIgnored);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double t = TimeOneStart(display, program);
        if (t < 0) {
            std::fprintf(stderr, "window_open: %s showed no main window\n", program);
            XCloseDisplay(display);
            return 1;
        }
        times.push_back(t);
        // Map notifications of windows of the finished run are not the next run's.
        XSync(display, True);
    }
    XCloseDisplay(display);
    const Figures f = Summary(times);
    std::printf("startup %.1f %.1f %.1f\n", f.median, f.least, f.most);
    return 0;
}

// ---- the windows ----

struct WindowCommand {
    const char* name;
    int command;
};

// Every menu command and panel button that opens a window of its own. Those that
// only save, load, ask a question or go to the network are left out.
const WindowCommand kWindows[] = {
    {"matchmaker", ID_MATCHMAKER},
    {"chemistry", ID_CHEMISTRY},
    {"chemistry-matching", ID_CHEMISTRY_MATCHING},
    {"sim-groups", ID_SIM_GROUPS},
    {"family-names", ID_FAMILY_NAMES},
    {"homeless", ID_HOMELESS},
    {"add-family", ID_ADD_FAMILY},
    {"edit-family", ID_EDIT_FAMILY},
    {"move-out", ID_MOVE_OUT},
    {"transfer-sim", ID_TRANSFER},
    {"edit-friends", ID_EDIT_FRIENDS},
    {"edit-chemistry", ID_EDIT_CHEMISTRY},
    {"likes-chart", ID_LIKES_CHART},
    {"find-sim", ID_FIND_SIM},
    {"name-generator", ID_NAME_GENERATOR},
    {"set-up-family-tree", ID_CREATE_TREE},
    {"show-family-tree", ID_SHOW_TREE},
    {"career-info", ID_CAREER_INFO},
    {"available-sims", ID_FULL_LIST},
    {"order-by", ID_ORDER},
    {"file-properties", ID_FILE_PROPERTIES},
    {"settings", ID_SETTINGS},
    {"about", ID_ABOUT},
    {"help", ID_HELP},
};

// Sees each dialog as it opens: a window to time is shown and timed, a message box
// is answered at once (it is no window of the command's own) and noted.
class OpenWatcher : public wxModalDialogHook {
public:
    Clock::time_point start;
    double shownMs = -1;
    wxString title;
    bool messageBox = false;

protected:
    int Enter(wxDialog* dialog) override {
        if (dynamic_cast<wxMessageDialog*>(dialog) != nullptr || shownMs >= 0) {
            messageBox = messageBox || shownMs < 0;
            if (auto* box = dynamic_cast<wxMessageDialog*>(dialog); box != nullptr && title.empty()) title = box->GetMessage();
            return wxID_CANCEL;
        }
        dialog->Bind(wxEVT_IDLE, [this, dialog](wxIdleEvent& event) {
            event.Skip();
            if (shownMs >= 0 || !dialog->IsShownOnScreen()) return;
            dialog->Update();
            shownMs = Ms(Clock::now() - start);
            title = dialog->GetTitle();
            dialog->EndModal(wxID_CANCEL);
        });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
};

class WindowsApp : public wxApp {
public:
    bool OnInit() override {
        SetUpToolkit(*this);
        delete wxLog::SetActiveTarget(new wxLogStderr);
        for (int i = 2; i < argc; ++i) wanted_.insert(std::string(argv[i].utf8_str()));
        context_ = std::make_unique<AppContext>(AppContext{counters_, std::string(wxGetCwd().utf8_str()), {}, {}});
        SetResSearchDirs({context_->installDir});
        help_ = std::make_unique<wxHtmlHelpController>();
        const std::string book = FindHelpBook(context_->installDir, "");
        context_->showHelp = [this, book] {
            if (!helpLoaded_ && !book.empty()) helpLoaded_ = help_->AddBook(wxString::FromUTF8(book));
            help_->DisplayContents();
        };
        const Clock::time_point made = Clock::now();
        frame_ = new NestrelFrame(*context_, "Nestrel", wxPoint(50, 50), wxSize(700, 500));
        frame_->Show();
        SetTopWindow(frame_);
        std::printf("loaded %zu Sims in %.0f ms (main window built)\n", frame_->Registry().allSims.Count(),
                    Ms(Clock::now() - made));
        watcher_.Register();
        CallAfter([this] { TimeAll(); });
        return true;
    }
    int OnExit() override {
        watcher_.Unregister();
        help_.reset();
        return wxApp::OnExit();
    }

private:
    void Settle() {
        for (int i = 0; i < 4; ++i) Yield(true);
    }

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

    // One opening: the command, then the window shown, then closed.
    double OpenOnce(const WindowCommand& window, wxString* title, bool* messageBox) {
        const std::set<wxWindow*> before(wxTopLevelWindows.begin(), wxTopLevelWindows.end());
        watcher_.shownMs = -1;
        watcher_.title.clear();
        watcher_.messageBox = false;
        watcher_.start = Clock::now();
        // The menu's command event; the panel's buttons send theirs to the same handlers.
        wxCommandEvent command(wxEVT_MENU, window.command);
        command.SetEventObject(frame_);
        frame_->GetEventHandler()->ProcessEvent(command);
        double shown = watcher_.shownMs;
        *title = watcher_.title;
        *messageBox = watcher_.messageBox;
        // A window that is no dialog (the family tree, the help) is open now: timed
        // the same way, at its first idle moment on screen.
        for (wxWindow* top : wxTopLevelWindows) {
            if (before.count(top) != 0 || top->IsBeingDeleted()) continue;
            if (shown < 0) {
                wxGUIEventLoop loop;
                top->Bind(wxEVT_IDLE, [&](wxIdleEvent& event) {
                    event.Skip();
                    if (shown >= 0 || !top->IsShownOnScreen()) return;
                    top->Update();
                    shown = Ms(Clock::now() - watcher_.start);
                    *title = top->GetLabel();
                    loop.Exit();
                });
                loop.Run();
            }
            top->Destroy();
        }
        Settle();
        return shown;
    }

    void TimeAll() {
        SelectFirstSim();
        Settle();
        for (const WindowCommand& window : kWindows) {
            if (!wanted_.empty() && wanted_.count(window.name) == 0) continue;
            std::vector<double> times;
            wxString title;
            bool messageBox = false;
            for (int run = 0; run < 3; ++run) {
                const double t = OpenOnce(window, &title, &messageBox);
                if (t < 0) break;
                times.push_back(t);
            }
            if (times.empty()) {
                std::printf("window %s - - - %s\n", window.name,
                            messageBox ? ("(message box: " + std::string(title.utf8_str()) + ")").c_str()
                                       : "(no window)");
                continue;
            }
            const Figures f = Summary(times);
            std::printf("window %s %.1f %.1f %.1f %s\n", window.name, f.median, f.least, f.most,
                        static_cast<const char*>(title.utf8_str()));
            std::fflush(stdout);
        }
        // Nothing is saved on the way out.
        frame_->SetModified(false);
        frame_->Destroy();
        ExitMainLoop();
    }

    IdCounters counters_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<wxHtmlHelpController> help_;
    bool helpLoaded_ = false;
    NestrelFrame* frame_ = nullptr;
    OpenWatcher watcher_;
    std::set<std::string> wanted_;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(WindowsApp);

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "startup") == 0)
        return RunStartup(argv[2], argc >= 4 ? std::max(1, std::atoi(argv[3])) : 3);
    if (argc >= 2 && std::strcmp(argv[1], "windows") == 0) return wxEntry(argc, argv);
    std::fprintf(stderr, "usage: window_open windows [name ...] | window_open startup <program> [runs]\n");
    return 2;
}
