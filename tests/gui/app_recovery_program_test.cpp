// The real program killed after an autosave: the next start offers the recovered
// changes; Yes opens them unsaved, No keeps the copy aside. The program is driven through
// its test seams (app/TestHooks.h): it imports a file as the Import command does,
// answers the recovery question, and reports what its window holds.
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files_fixture.h"
#include "support/GuiTestHarness.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class RecoveryProgramTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(stage_ + "/Data");
        fs::create_directories(stage_ + "/Saved");
        fs::copy_file(SourceDir() + "/resources/Data/SimCareers.ini", stage_ + "/Data/SimCareers.ini");
        fs::copy_file(SourceDir() + "/resources/Data/Example.NBD", stage_ + "/Saved/DefaultSims.NBD");
        example_ = FileText(stage_ + "/Saved/DefaultSims.NBD");
        // The copy must be newer than the file by the file system's clock, however
        // coarse it is.
        fs::last_write_time(stage_ + "/Saved/DefaultSims.NBD", fs::file_time_type::clock::now() - 1h);
        WriteTextFile(root_ / "home/.config/Nestrel.conf", "SimFile=DefaultSims\nAutoSaveSeconds=1\n");
        WriteTextFile(root_ / "Zed.NBD", OneSimNbd("Zed", "Zoe"));
    }
    void TearDown() override {
        if (pid_ > 0) Kill();
    }

    // Starts the program in the staged folder with a HOME and state folder of its own.
    void Start(const std::map<std::string, std::string>& extra) {
        std::map<std::string, std::string> env;
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry = *e;
            const size_t eq = entry.find('=');
            if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
        }
        env["HOME"] = root_ / "home";
        env["XDG_CONFIG_HOME"] = "";
        env["XDG_DATA_HOME"] = "";
        env["XDG_STATE_HOME"] = root_ / "state";
        for (const auto& [key, value] : extra) env[key] = value;
        std::vector<std::string> entries;
        for (const auto& [key, value] : env) entries.push_back(key + "=" + value);
        std::vector<char*> envp;
        for (std::string& entry : entries) envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::string program = NESTREL_PROGRAM;
        char* argv[] = {program.data(), nullptr};
        const std::string log = root_ / "program.log";
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ASSERT_GE(out, 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            // Only calls that are safe between fork and exec.
            if (::chdir(stage_.c_str()) != 0) ::_exit(126);
            ::dup2(out, 1);
            ::dup2(out, 2);
            ::execve(argv[0], argv, envp.data());
            ::_exit(127);
        }
        ::close(out);
        ASSERT_GT(pid_, 0);
    }
    void Kill() {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    // Waits until `ready` holds, while the program runs; false after 30 s or when the
    // program has ended.
    bool WaitFor(const std::function<bool()>& ready) {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (std::chrono::steady_clock::now() < deadline) {
            if (ready()) return true;
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                ADD_FAILURE() << "the program ended: " << FileText(root_ / "program.log");
                return false;
            }
            std::this_thread::sleep_for(50ms);
        }
        ADD_FAILURE() << "timed out; the program said: " << FileText(root_ / "program.log");
        return false;
    }
    // The recovery folder's files whose names end so.
    std::vector<std::string> Kept(const std::string& ending) const {
        std::vector<std::string> found;
        const std::string dir = root_ / "state/Nestrel/recovery";
        if (!fs::is_directory(dir)) return found;
        for (const auto& entry : fs::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("DefaultSims-", 0) == 0 && name.size() >= ending.size() &&
                name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
                found.push_back(entry.path().string());
        }
        return found;
    }
    std::vector<std::string> Copies() const {
        std::vector<std::string> copies;
        for (const std::string& path : Kept(".NBD"))
            if (path.find(".discarded.") == std::string::npos && path.find(".unreadable") == std::string::npos)
                copies.push_back(path);
        return copies;
    }
    // Runs the program until it has imported Zed and written a copy, then kills it.
    void CrashAfterAutosave() {
        Start({{"NESTREL_TEST_IMPORT", root_ / "Zed.NBD"}});
        ASSERT_TRUE(WaitFor([this] {
            const auto copies = Copies();
            return copies.size() == 1 && FileText(copies[0]).find("[Zed]") != std::string::npos;
        }));
        Kill();
        EXPECT_EQ(FileText(stage_ + "/Saved/DefaultSims.NBD"), example_) << "the real file is never written";
    }
    // Starts again, answers the recovery question and returns the window's report.
    std::string RestartAnswering(const std::string& answer) {
        const std::string report = root_ / ("report-" + answer + ".txt");
        Start({{"NESTREL_TEST_ANSWERS", "Recover Unsaved Changes=" + answer}, {"NESTREL_TEST_REPORT", report}});
        if (!WaitFor([&] { return fs::exists(report); })) return {};
        Kill();
        return FileText(report);
    }

    TempDir root_;
    std::string stage_ = root_ / "stage";
    std::string example_;
    pid_t pid_ = -1;
};

TEST_F(RecoveryProgramTest, KilledAfterAnAutosaveThenYesFindsTheChange) {
    CrashAfterAutosave();
    const std::string report = RestartAnswering("yes");
    EXPECT_NE(report.find("Asked=Recover Unsaved Changes\n"), std::string::npos) << report;
    EXPECT_NE(report.find("CurrentFile=DefaultSims\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Modified=1\n"), std::string::npos) << report;
    const size_t families = report.find("Families=");
    ASSERT_NE(families, std::string::npos) << report;
    const std::string list = report.substr(families, report.find('\n', families) - families);
    EXPECT_NE(list.find("Zed"), std::string::npos) << report;
    EXPECT_NE(list.find(','), std::string::npos) << "the example's own families are there too: " << report;
    EXPECT_EQ(FileText(stage_ + "/Saved/DefaultSims.NBD"), example_) << "nothing written until the user saves";
}

TEST_F(RecoveryProgramTest, KilledAfterAnAutosaveThenNoKeepsTheDiscardedCopy) {
    CrashAfterAutosave();
    const std::string copy = FileText(Copies().at(0));
    const std::string report = RestartAnswering("no");
    EXPECT_NE(report.find("Asked=Recover Unsaved Changes\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Modified=0\n"), std::string::npos) << report;
    EXPECT_EQ(report.find("Zed"), std::string::npos) << report;
    EXPECT_TRUE(Copies().empty());
    const std::vector<std::string> discarded = Kept(".discarded.NBD");
    ASSERT_EQ(discarded.size(), 1u);
    EXPECT_EQ(FileText(discarded[0]), copy);
    EXPECT_EQ(FileText(stage_ + "/Saved/DefaultSims.NBD"), example_);
}

}  // namespace
