#include "app/TestHooks.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/weakref.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "base/FileIO.h"
#include "common/FileNameAsker.h"
#include "common/WxString.h"

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

class ScriptedAnswers : public wxModalDialogHook {
public:
    explicit ScriptedAnswers(const std::string& script) {
        size_t start = 0;
        while (start <= script.size()) {
            size_t end = script.find(';', start);
            if (end == std::string::npos) end = script.size();
            const std::string entry = script.substr(start, end - start);
            const size_t eq = entry.rfind('=');
            if (eq != std::string::npos) answers_[entry.substr(0, eq)].push_back(ButtonId(entry.substr(eq + 1)));
            start = end + 1;
        }
    }
    const std::vector<std::string>& Asked() const { return asked_; }

protected:
    int Enter(wxDialog* dialog) override {
        const std::string caption = ToStd(dialog->GetTitle());
        auto it = answers_.find(caption);
        if (dynamic_cast<wxMessageDialog*>(dialog) == nullptr || it == answers_.end() || it->second.empty()) {
            std::fprintf(stderr, "nestrel: test hook cancelled an unexpected dialog \"%s\"\n", caption.c_str());
            return wxID_CANCEL;
        }
        const int answer = it->second.front();
        it->second.pop_front();
        asked_.push_back(caption);
        return answer;
    }
    void Exit(wxDialog*) override {}

private:
    static int ButtonId(const std::string& word) {
        if (word == "yes") return wxID_YES;
        if (word == "no") return wxID_NO;
        if (word == "ok") return wxID_OK;
        return wxID_CANCEL;
    }

    std::map<std::string, std::deque<int>> answers_;
    std::vector<std::string> asked_;
};

// Lives until the program ends: questions come up to its last moment.
std::unique_ptr<ScriptedAnswers>& Answers() {
    static std::unique_ptr<ScriptedAnswers> answers;
    return answers;
}

void WriteReport(NestrelFrame& frame, const std::string& path) {
    std::string report = "CurrentFile=" + frame.CurrentFile() + "\n";
    report += std::string("Modified=") + (frame.IsModified() ? "1" : "0") + "\n";
    report += "Families=";
    bool first = true;
    for (const Family* family : frame.Registry().families) {
        if (!first) report += ',';
        report += family->name;
        first = false;
    }
    report += "\n";
    if (Answers())
        for (const std::string& caption : Answers()->Asked()) report += "Asked=" + caption + "\n";
    std::string error;
    if (!WriteFileAtomically(path, report, &error)) std::fprintf(stderr, "nestrel: %s\n", error.c_str());
}

}  // namespace

void InstallTestAnswers() {
    const std::string script = Env("NESTREL_TEST_ANSWERS");
    if (script.empty() || Answers()) return;
    Answers() = std::make_unique<ScriptedAnswers>(script);
    Answers()->Register();
}

void InstallTestHooks(NestrelFrame& frame) {
    const std::string import = Env("NESTREL_TEST_IMPORT");
    const std::string report = Env("NESTREL_TEST_REPORT");
    if (import.empty() && report.empty()) return;
    wxWeakRef<NestrelFrame> window(&frame);
    frame.CallAfter([window, import, report] {
        if (!window) return;
        if (!import.empty()) {
            FileNameAsker previous = SetFileNameAsker([import](const FileNameRequest&) { return ToWx(import); });
            window->ProcessCommand(ID_IMPORT);
            SetFileNameAsker(previous);
        }
        if (!report.empty()) WriteReport(*window, report);
    });
}
