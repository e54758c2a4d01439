// The update check against a small HTTP server of the test's own on 127.0.0.1.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include <wx/stattext.h>

#include "app/CommandIds.h"
#include "editing_support.h"
#include "support/FrameFixture.h"
#include "update/UpdateAvailDlg.h"
#include "update/VersionManager.h"

namespace {

using AnswerUpdate = editing_test::Answer<UpdateAvailDlg>;

/// Accepts one connection on a free port of 127.0.0.1, reads the request (headers and
/// a body of Content-Length bytes), records it, and answers with `reply` as given, or
/// never answers when `silent`.
class OneShotServer {
public:
    OneShotServer(std::string reply, bool silent = false) : reply_(std::move(reply)), silent_(silent) {
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
    ~OneShotServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        close(listener_);
    }
    int Port() const { return port_; }
    /// The request as received; read after the check has returned.
    std::string Request() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return request_;
    }

private:
    bool WaitReadable(int fd) {
        while (!stop_) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 50) > 0) return true;
        }
        return false;
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
        if (silent_) {
            WaitReadable(client);  // until the test is over or the client gives up
        } else {
            (void)!write(client, reply_.data(), reply_.size());
        }
        close(client);
    }

    std::string reply_;
    bool silent_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::string request_;
    std::thread thread_;
};

std::string HttpReply(const std::string& body, const std::string& status = "200 OK") {
    return "HTTP/1.0 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

class UpdateCheckTest : public FrameTest {
protected:
    NestrelFrame& Build(int port) {
        SetConfigValue("UpdateHost", wxString::Format("127.0.0.1:%d", port));
        NestrelFrame& frame = BuildFrame();
        frame.Versions()->SetTimeoutSeconds(2);
        return frame;
    }
    static size_t TempFiles() {
        size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
            if (entry.path().filename().string().rfind("wxHTTPEngine", 0) == 0) ++count;
        return count;
    }
};

TEST_F(UpdateCheckTest, NewerVersionShowsTheUpdateDialogAndTheRequestIsTheForm) {
    OneShotServer server(HttpReply("3.4.2\r\nnotes\r\n"));
    NestrelFrame& frame = Build(server.Port());
    const size_t tempBefore = TempFiles();
    std::string running, latest;
    wxTEST_DIALOG(frame.ProcessCommand(ID_CHECK_UPDATES), AnswerUpdate([&](UpdateAvailDlg* dlg) {
                      running = std::string(wxWindow::FindWindowByName("runningVersion", dlg)->GetLabel().utf8_str());
                      latest = std::string(wxWindow::FindWindowByName("latestVersion", dlg)->GetLabel().utf8_str());
                      return wxID_OK;
                  }));
    EXPECT_EQ(running, "Your version: 3.4.1");
    EXPECT_EQ(latest, "Current version: 3.4.2");
    EXPECT_EQ(frame.Versions()->LatestVersion(), "3.4.2");
    EXPECT_EQ(TempFiles(), tempBefore);

    const std::string request = server.Request();
    EXPECT_EQ(request.rfind("POST /updateprogram.php HTTP/1.0\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("Content-Type: application/x-www-form-urlencoded"), std::string::npos) << request;
    EXPECT_NE(request.find("Content-Length: 32\r\n"), std::string::npos) << request;
    EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4), "operation=update&program=nestrel");
}

TEST_F(UpdateCheckTest, RepliesThatShowAMessage) {
    struct Case { std::string body; const char* text; const char* caption; };
    const Case cases[] = {
        {"3.4.1\r\n", "No update needed at this time.", "No Update"},
        {"", "Unable to determine whether update exists.", "Error"},
        {"<html><body>Moved</body></html>\n", "Unable to determine whether update exists.", "Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        OneShotServer server(HttpReply(c.body));
        NestrelFrame& frame = Build(server.Port());
        wxTEST_DIALOG(frame.ProcessCommand(ID_CHECK_UPDATES), ExpectMessageBox(wxID_OK, c.text, c.caption));
        frame.Destroy();
        PumpEvents();
    }
}

TEST_F(UpdateCheckTest, TenIsNewerThanFour) {
    OneShotServer server(HttpReply("3.10"));
    NestrelFrame& frame = Build(server.Port());
    wxTEST_DIALOG(frame.ProcessCommand(ID_CHECK_UPDATES), AnswerUpdate([](UpdateAvailDlg*) { return wxID_OK; }));
    EXPECT_EQ(frame.Versions()->LatestVersion(), "3.10");
}

TEST_F(UpdateCheckTest, NotFoundAndRefusedShowNothing) {
    {
        OneShotServer server(HttpReply("3.9", "404 Not Found"));
        NestrelFrame& frame = Build(server.Port());
        frame.ProcessCommand(ID_CHECK_UPDATES);  // the safety net fails the test on any dialog
        EXPECT_EQ(frame.Versions()->LatestVersion(), "");
        frame.Destroy();
        PumpEvents();
    }
    // A port nobody listens on any more.
    int port = 0;
    { OneShotServer gone(""); port = gone.Port(); }
    NestrelFrame& frame = Build(port);
    frame.ProcessCommand(ID_CHECK_UPDATES);
    EXPECT_EQ(frame.Versions()->LatestVersion(), "");
}

TEST_F(UpdateCheckTest, AServerThatNeverAnswersGivesUpWithinTheTimeOut) {
    OneShotServer server("", true);
    NestrelFrame& frame = Build(server.Port());
    const auto start = std::chrono::steady_clock::now();
    frame.ProcessCommand(ID_CHECK_UPDATES);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 8.0);
    EXPECT_EQ(frame.Versions()->LatestVersion(), "");
}

}  // namespace
