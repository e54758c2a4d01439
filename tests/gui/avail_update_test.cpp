// The update check against a small HTTP server of the test's own on 127.0.0.1: the
// request runs off the window's thread, ends within its deadline whatever the server
// does, can be cancelled, and every way of failing says why.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/stattext.h>

#include "app/CommandIds.h"
#include "editing_support.h"
#include "support/FrameFixture.h"
#include "update/UpdateAvailDlg.h"
#include "update/UpdateProgressDlg.h"
#include "update/VersionManager.h"

namespace {

using AnswerUpdate = editing_test::Answer<UpdateAvailDlg>;
using AnswerMessage = editing_test::Answer<wxMessageDialog>;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

/// Accepts one connection on a free port of 127.0.0.1, reads the request (headers and
/// a body of Content-Length bytes), records it, and then lets `respond` answer on the
/// connection, which is closed afterwards.
class TestServer {
public:
    using Respond = std::function<void(TestServer&, int client)>;

    explicit TestServer(Respond respond) : respond_(std::move(respond)) {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        EXPECT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        EXPECT_EQ(listen(listener_, 1), 0);
        socklen_t len = sizeof addr;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~TestServer() { Stop(); }
    int Port() const { return port_; }
    /// The request as received; read after the check has ended.
    std::string Request() {
        Stop();
        return request_;
    }
    /// Whether the client closed the connection while the server was still answering.
    bool ClientLeft() const { return clientLeft_; }

    /// Sends `bytes`, one byte every `pauseMs`, and then goes on sending blanks at the
    /// same pace for as long as the client stays (a server that never finishes).
    void Trickle(int client, const std::string& bytes, int pauseMs) {
        for (size_t i = 0; !stop_; ++i) {
            const char c = i < bytes.size() ? bytes[i] : ' ';
            if (send(client, &c, 1, MSG_NOSIGNAL) != 1 || WaitForClose(client, pauseMs)) {
                clientLeft_ = true;
                return;
            }
        }
    }
    void Send(int client, const std::string& bytes) { (void)!send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL); }
    /// Keeps the connection open without a word until the client gives up.
    void Silence(int client) {
        while (!stop_)
            if (WaitForClose(client, 50)) {
                clientLeft_ = true;
                return;
            }
    }

private:
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ >= 0) close(listener_);
        listener_ = -1;
    }
    bool WaitReadable(int fd) {
        while (!stop_) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 50) > 0) return true;
        }
        return false;
    }
    // True when the client closed its end within `ms` (anything it sends is dropped).
    bool WaitForClose(int fd, int ms) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, ms) <= 0) return false;
        char buffer[256];
        return recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) <= 0;
    }

    void Serve() {
        if (!WaitReadable(listener_)) return;
        const int client = accept(listener_, nullptr, nullptr);
        if (client < 0) return;
        char buffer[4096];
        size_t wanted = std::string::npos;
        while (request_.size() < wanted && WaitReadable(client)) {
            const ssize_t got = read(client, buffer, sizeof buffer);
            if (got <= 0) break;
            request_.append(buffer, static_cast<size_t>(got));
            const size_t end = request_.find("\r\n\r\n");
            if (end != std::string::npos && wanted == std::string::npos) {
                const size_t at = request_.find("Content-Length: ");
                const size_t length = at == std::string::npos ? 0 : std::stoul(request_.substr(at + 16));
                wanted = end + 4 + length;
            }
        }
        respond_(*this, client);
        close(client);
    }

    Respond respond_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> clientLeft_{false};
    std::string request_;
    std::thread thread_;
};

std::string HttpReply(const std::string& body, const std::string& status = "200 OK") {
    return "HTTP/1.0 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

TestServer::Respond Reply(std::string reply) {
    return [reply](TestServer& server, int client) { server.Send(client, reply); };
}

class UpdateCheckTest : public FrameTest {
protected:
    NestrelFrame& Build(int port, int deadlineSeconds = 2) {
        SetConfigValue("UpdateHost", wxString::Format("127.0.0.1:%d", port));
        NestrelFrame& frame = BuildFrame();
        frame.Versions()->SetTimeoutSeconds(deadlineSeconds);
        return frame;
    }
    /// Lets the toolkit run until `done` holds or `seconds` have passed; false then.
    static bool PumpUntil(const std::function<bool()>& done, double seconds) {
        const auto start = Clock::now();
        while (!done()) {
            if (SecondsSince(start) > seconds) return false;
            wxTheApp->ProcessPendingEvents();
            wxTheApp->Yield(true);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }
    /// Chooses "Check for updates" and waits for the check to end (the answer's
    /// dialogs open meanwhile); the command itself returns at once.
    static void RunCheck(NestrelFrame& frame) {
        const auto start = Clock::now();
        frame.ProcessCommand(ID_CHECK_UPDATES);
        EXPECT_LT(SecondsSince(start), 0.5) << "the command waited for the server";
        EXPECT_TRUE(PumpUntil([&] { return !frame.Versions()->IsChecking(); }, 15)) << "the check never ended";
    }
    static UpdateProgressDlg* ProgressWindow() {
        return dynamic_cast<UpdateProgressDlg*>(wxWindow::FindWindowByName("updateProgress"));
    }
    static AnswerMessage ExpectError(std::string* text) {
        return AnswerMessage([text](wxMessageDialog* dlg) {
            EXPECT_EQ(dlg->GetTitle(), "Error");
            *text = std::string(dlg->GetMessage().utf8_str());
            return wxID_OK;
        });
    }
};

TEST_F(UpdateCheckTest, NewerVersionShowsTheUpdateDialogAndTheRequestIsTheForm) {
    TestServer server(Reply(HttpReply("3.4.2\r\nnotes\r\n")));
    NestrelFrame& frame = Build(server.Port());
    std::string running, latest;
    wxTEST_DIALOG(RunCheck(frame), AnswerUpdate([&](UpdateAvailDlg* dlg) {
                      running = std::string(wxWindow::FindWindowByName("runningVersion", dlg)->GetLabel().utf8_str());
                      latest = std::string(wxWindow::FindWindowByName("latestVersion", dlg)->GetLabel().utf8_str());
                      return wxID_OK;
                  }));
    EXPECT_EQ(running, "Your version: 3.4.1");
    EXPECT_EQ(latest, "Current version: 3.4.2");
    EXPECT_EQ(frame.Versions()->LatestVersion(), "3.4.2");
    EXPECT_EQ(ProgressWindow(), nullptr);

    const std::string request = server.Request();
    EXPECT_EQ(request.rfind("POST /updateprogram.php HTTP/1.0\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("Content-Type: application/x-www-form-urlencoded\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("Content-Length: 32\r\n"), std::string::npos) << request;
    EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4), "operation=update&program=nestrel");
}

TEST_F(UpdateCheckTest, RepliesThatShowAMessage) {
    struct Case { std::string body; const char* text; const char* caption; };
    const char* unable = "Unable to determine whether update exists.";
    const Case cases[] = {
        {"3.4.1\r\n", "No update needed at this time.", "No Update"},
        {"", unable, "Error"},
        {"<html><body>Moved</body></html>\n", unable, "Error"},
        {std::string(40, '9') + "\n", unable, "Error"},
        {"3." + std::string(64 * 1024, '7'), unable, "Error"},
        {std::string(200 * 1024, '4'), unable, "Error"},  // more than is read at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body.substr(0, 40));
        TestServer server(Reply(HttpReply(c.body)));
        NestrelFrame& frame = Build(server.Port());
        wxTEST_DIALOG(RunCheck(frame), ExpectMessageBox(wxID_OK, c.text, c.caption));
        EXPECT_EQ(frame.Versions()->LatestVersion(), "");
        frame.Destroy();
        PumpEvents();
    }
}

TEST_F(UpdateCheckTest, TheLeadingNumberOfEachPartCountsFirst) {
    TestServer server(Reply(HttpReply("3.10b")));
    NestrelFrame& frame = Build(server.Port());
    wxTEST_DIALOG(RunCheck(frame), AnswerUpdate([](UpdateAvailDlg*) { return wxID_OK; }));
    EXPECT_EQ(frame.Versions()->LatestVersion(), "3.10b");
}

TEST_F(UpdateCheckTest, EveryFailureSaysWhyTheServerCouldNotBeReached) {
    const std::string prefix = "Could not reach the update server: ";
    int refusedPort = 0;
    { TestServer gone(Reply("")); refusedPort = gone.Port(); }  // nobody listens there any more
    struct Case {
        const char* what;
        TestServer::Respond respond;
        std::string text;  // after the prefix; "%s" stands for the server's address
    };
    const Case cases[] = {
        {"not found", Reply(HttpReply("3.9", "404 Not Found")), "the server answered with HTTP status 404."},
        {"server error", Reply(HttpReply("oops", "500 Internal Server Error")),
         "the server answered with HTTP status 500."},
        {"redirect", Reply("HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:1/elsewhere\r\nContent-Length: 0\r\n\r\n"),
         "the server sent the request elsewhere (HTTP status 302), which is not followed."},
        {"dropped", Reply("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\n3.9\r\n"),
         "the connection broke off before the whole reply came."},
        {"closed at once", [](TestServer&, int) {}, "the connection broke off before the whole reply came."},
        {"garbage", Reply("SSH-2.0-OpenSSH_9.2\r\nthis is no web server\r\n"), "the reply is not an HTTP reply."},
        {"silent", [](TestServer& server, int client) { server.Silence(client); }, "no complete reply within 1 seconds."},
        {"refused", nullptr, "%s did not accept the connection."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<TestServer> server;
        if (c.respond) server = std::make_unique<TestServer>(c.respond);
        const int port = server ? server->Port() : refusedPort;
        NestrelFrame& frame = Build(port, 1);
        std::string shown;
        const auto start = Clock::now();
        wxTEST_DIALOG(RunCheck(frame), ExpectError(&shown));
        EXPECT_LT(SecondsSince(start), 3.0);
        std::string expected = prefix + c.text;
        if (const size_t at = expected.find("%s"); at != std::string::npos)
            expected.replace(at, 2, "127.0.0.1:" + std::to_string(port));
        EXPECT_EQ(shown, expected);
        frame.Destroy();
        PumpEvents();
    }
}

TEST_F(UpdateCheckTest, ATricklingServerNeitherFreezesTheWindowNorOutlastsTheDeadline) {
    // One byte every 150 ms: each byte comes well before any silence limit would run
    // out, and the reply never ends.
    TestServer server([](TestServer& s, int client) { s.Trickle(client, HttpReply("3.9\r\n"), 150); });
    NestrelFrame& frame = Build(server.Port(), 2);
    std::string shown;
    int answered = 0;
    double slowestAnswer = 0;
    bool progressShown = false;
    std::string progressText;
    const auto start = Clock::now();
    auto check = [&] {
            frame.ProcessCommand(ID_CHECK_UPDATES);
            EXPECT_LT(SecondsSince(start), 0.5);
            EXPECT_TRUE(frame.Versions()->IsChecking());
            // The main window keeps answering events while the check runs.
            while (frame.Versions()->IsChecking() && SecondsSince(start) < 10) {
                const auto posted = Clock::now();
                bool ran = false;
                frame.CallAfter([&] { ran = true; });
                EXPECT_TRUE(PumpUntil([&] { return ran || !frame.Versions()->IsChecking(); }, 5));
                if (ran) {
                    ++answered;
                    slowestAnswer = std::max(slowestAnswer, SecondsSince(posted));
                }
                if (UpdateProgressDlg* progress = ProgressWindow(); progress != nullptr && progress->IsShown()) {
                    progressShown = true;
                    for (wxWindow* child : progress->GetChildren())
                        if (auto* text = dynamic_cast<wxStaticText*>(child))
                            progressText = std::string(text->GetLabel().utf8_str());
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
    };
    wxTEST_DIALOG(check(), ExpectError(&shown));
    const double seconds = SecondsSince(start);
    EXPECT_FALSE(frame.Versions()->IsChecking());
    EXPECT_GE(seconds, 1.5);  // it waited for the deadline ...
    EXPECT_LT(seconds, 4.0);  // ... and not much beyond it
    EXPECT_GT(answered, 10);
    EXPECT_LT(slowestAnswer, 0.5);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(progressText, "Checking for updates...");
    EXPECT_EQ(shown, "Could not reach the update server: no complete reply within 2 seconds.");
    PumpEvents();
    EXPECT_EQ(ProgressWindow(), nullptr);
}

TEST_F(UpdateCheckTest, CancelEndsTheCheckAtOnce) {
    TestServer server([](TestServer& s, int client) { s.Trickle(client, HttpReply("3.9\r\n"), 150); });
    NestrelFrame& frame = Build(server.Port(), 10);
    frame.ProcessCommand(ID_CHECK_UPDATES);
    ASSERT_TRUE(PumpUntil([] { return ProgressWindow() != nullptr && ProgressWindow()->IsShown(); }, 3));
    // Choosing the command again while it runs starts no second check.
    frame.ProcessCommand(ID_CHECK_UPDATES);
    EXPECT_TRUE(frame.Versions()->IsChecking());

    auto* cancel = dynamic_cast<wxButton*>(ProgressWindow()->FindWindow(wxID_CANCEL));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->GetLabel(), "Cancel");
    const auto pressed = Clock::now();
    wxCommandEvent click(wxEVT_BUTTON, wxID_CANCEL);
    click.SetEventObject(cancel);
    cancel->ProcessWindowEvent(click);
    EXPECT_FALSE(frame.Versions()->IsChecking());
    EXPECT_LT(SecondsSince(pressed), 0.5);
    // The connection is gone as well, and nothing is told afterwards (the safety net
    // fails the test on any dialog).
    EXPECT_TRUE(PumpUntil([&] { return server.ClientLeft(); }, 0.5));
    PumpUntil([] { return false; }, 0.5);
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_EQ(frame.Versions()->LatestVersion(), "");
}

TEST_F(UpdateCheckTest, ClosingTheProgramDuringACheckStopsIt) {
    TestServer server([](TestServer& s, int client) { s.Trickle(client, HttpReply("3.9\r\n"), 150); });
    NestrelFrame& frame = Build(server.Port(), 10);
    frame.ProcessCommand(ID_CHECK_UPDATES);
    ASSERT_TRUE(PumpUntil([] { return ProgressWindow() != nullptr; }, 3));
    const auto start = Clock::now();
    frame.Destroy();
    PumpEvents();
    EXPECT_LT(SecondsSince(start), 1.0);
    EXPECT_TRUE(PumpUntil([&] { return server.ClientLeft(); }, 0.5));
}

}  // namespace
