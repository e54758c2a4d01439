#include "support/GuiTestHarness.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <wx/app.h>
#include <wx/config.h>
#include <wx/log.h>
#include <wx/modalhook.h>

namespace fs = std::filesystem;

namespace {

std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

wxString Describe(wxDialog* dlg) {
    if (auto* box = dynamic_cast<wxMessageDialog*>(dlg))
        return wxString::Format("message box \"%s\" saying \"%s\"", box->GetTitle(), box->GetMessage());
    return wxString::Format("dialog \"%s\" (%s)", dlg->GetTitle(), dlg->GetClassInfo()->GetClassName());
}

// The last hook asked: whatever no test expected is a failure, answered with Cancel.
class UnexpectedDialogNet : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dlg) override {
        ADD_FAILURE() << "Unexpected modal " << Utf8(Describe(dlg));
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

// Errors logged by the toolkit would otherwise pop up a box at the next idle time.
class TestLog : public wxLog {
protected:
    void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override {
        if (level <= wxLOG_Error)
            ADD_FAILURE() << "wx logged an error: " << Utf8(msg) << " (" << (info.filename ? info.filename : "?")
                          << ":" << info.line << ")";
    }
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
    ADD_FAILURE_AT(Utf8(file).c_str(), line)
        << "wx assertion failed: " << Utf8(cond) << " in " << Utf8(func) << ": " << Utf8(msg);
}

}  // namespace

int GtestModalHook::Enter(wxDialog* dlg) {
    const int result = wxTestingModalHook::Enter(dlg);
    return result == wxID_NONE ? wxID_CANCEL : result;
}

void GtestModalHook::ReportFailure(const wxString& msg) {
    ADD_FAILURE_AT(file_ != nullptr ? file_ : __FILE__, line_) << Utf8(msg);
}

int ExpectMessageBox::OnInvoked(wxMessageDialog* dlg) const {
    if (!message_.empty()) EXPECT_EQ(Utf8(dlg->GetMessage()), Utf8(message_));
    if (!caption_.empty()) EXPECT_EQ(Utf8(dlg->GetTitle()), Utf8(caption_));
    return answer_;
}

wxString ExpectMessageBox::GetDefaultDescription() const {
    return wxString::Format("message box \"%s\" / \"%s\"", caption_, message_);
}

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "nestrel-gui-test.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create a temporary folder";
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
    const char* old = std::getenv(name);
    hadOld_ = old != nullptr;
    if (hadOld_) old_ = old;
    setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (hadOld_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

void PumpEvents() {
    for (int i = 0; i < 3; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();  // also deletes windows destroyed meanwhile
    }
}

void ResetConfigStore() { delete wxConfigBase::Set(nullptr); }

std::string SourceDir() {
    const char* dir = std::getenv("NESTREL_SOURCE_DIR");
    return dir != nullptr && *dir != '\0' ? std::string(dir) : std::string(NESTREL_SOURCE_DIR_DEFAULT);
}

void CopyTree(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::create_directories(to, ec);
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    ASSERT_FALSE(ec) << "copying " << from << " to " << to << ": " << ec.message();
}

void WriteTextFile(const std::string& path, const std::string& contents) {
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    std::ofstream out(path, std::ios::binary);
    out << contents;
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

namespace {
UnexpectedDialogNet& Net() {
    static UnexpectedDialogNet net;
    return net;
}
}  // namespace

void InstallGuiTestSafetyNets() {
    wxSetAssertHandler(FailOnAssert);
    delete wxLog::SetActiveTarget(new TestLog);
    Net().Register();
}

RealModalDialogs::RealModalDialogs() { Net().Unregister(); }

RealModalDialogs::~RealModalDialogs() { Net().Register(); }
