#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "update/UpdateCheck.h"

namespace {

TEST(UpdateCheck, VersionComparison) {
    struct Case { const char* server; const char* running; bool newer; };
    const Case cases[] = {
        {"3.4.1", "3.4.1", false},
        {"3.4.2", "3.4.1", true},
        {"3.4.1.1", "3.4.1", true},
        {"3.4", "3.4.1", false},
        {"3.3.9", "3.4.1", false},
        {"3.10", "3.4.1", true},   // numbers, not text: 10 is above 4
        {"3.9", "3.10", false},
        {"4", "3.99.99", true},
        {"03.4.1", "3.4.1", false},
        {"3.10b", "3.4.1", true},    // the leading number first, then the rest
        {"3.4b", "3.10", false},
        {"3.4.1b", "3.4.1", true},   // a rest after the same number: after no rest
        {"3.4.1a", "3.4.1b", false},
        {"3.4.1B", "3.4.1a", false},  // letter case significant: 'B' < 'a'
        {"99999999999999999999", "3", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsNewerVersion(c.server, c.running), c.newer) << c.server << " vs " << c.running;
}

TEST(UpdateCheck, RequestBodyAndServerAddress) {
    EXPECT_EQ(UpdateRequestBody("nestrel"), "operation=update&program=nestrel");
    EXPECT_EQ(UpdateRequestBody("a b&c=d"), "operation=update&program=a+b%26c%3Dd");

    UpdateServer server;
    ASSERT_TRUE(ParseUpdateServer("www.example.org", server));
    EXPECT_EQ(server.host, "www.example.org");
    EXPECT_EQ(server.port, 80);
    ASSERT_TRUE(ParseUpdateServer("127.0.0.1:8123", server));
    EXPECT_EQ(server.host, "127.0.0.1");
    EXPECT_EQ(server.port, 8123);
    for (const char* bad : {"", ":80", "host:", "host:0", "host:65536", "host:8x", "a b", "host/x"})
        EXPECT_FALSE(ParseUpdateServer(bad, server)) << bad;
}

UpdateReply Replied(int status, std::string body) { return UpdateReply{UpdateTransfer::Replied, status, std::move(body), {}}; }

TEST(UpdateCheck, RepliesJudged) {
    struct Case { int status; std::string body; UpdateVerdict verdict; std::string detail; };
    const std::string unable = "Unable to determine whether update exists.";
    const Case cases[] = {
        {200, "3.4.2", UpdateVerdict::Newer, "3.4.2"},
        {200, "3.4.1\r\n", UpdateVerdict::NoUpdate, ""},
        {200, "3.4.1  \nnotes\n", UpdateVerdict::NoUpdate, ""},
        {200, "3.10\n3.0", UpdateVerdict::Newer, "3.10"},
        {200, "3.10b\n", UpdateVerdict::Newer, "3.10b"},
        {200, "\xEF\xBB\xBF" "3.4.2\r\n", UpdateVerdict::Newer, "3.4.2"},
        {200, std::string("\xFF\xFE" "3\0.\0" "5\0", 8), UpdateVerdict::Newer, "3.5"},
        {200, std::string("\xFF\xFE" "3\0.", 5), UpdateVerdict::Error, "An error occurred."},
        {200, "", UpdateVerdict::Error, unable},
        {200, "\n3.5", UpdateVerdict::Error, unable},
        {200, "<html>Not here</html>", UpdateVerdict::Error, unable},
        {200, "3..5", UpdateVerdict::Error, unable},
        {200, std::string(40, '9'), UpdateVerdict::Error, unable},
        {200, "3." + std::string(64 * 1024, '1'), UpdateVerdict::Error, unable},
        {204, "3.5", UpdateVerdict::Newer, "3.5"},
    };
    for (const Case& c : cases) {
        const UpdateOutcome outcome = JudgeUpdateReply(Replied(c.status, c.body), "3.4.1", "example.org", 10);
        EXPECT_EQ(outcome.verdict, c.verdict) << c.body.substr(0, 40);
        if (c.verdict == UpdateVerdict::Newer) EXPECT_EQ(outcome.serverVersion, c.detail) << c.body;
        if (c.verdict == UpdateVerdict::Error) EXPECT_EQ(outcome.errorText, c.detail) << c.body.substr(0, 40);
    }
    EXPECT_EQ(JudgeUpdateReply(Replied(200, "3.5"), "", "example.org", 10).errorText, unable);
}

TEST(UpdateCheck, VersionsOfTheProgramsOwnForm) {
    for (const char* good : {"3", "3.4.1", "3.10b", "4.0rc2", "3.4.1-beta", "03.4", "1.2.3.4.5.6", "999999999.1"})
        EXPECT_TRUE(LooksLikeVersion(good)) << good;
    const std::string longest = "1234567.1234567.1234567.12345678";  // 32 characters
    ASSERT_EQ(longest.size(), kMaxVersionLength);
    EXPECT_TRUE(LooksLikeVersion(longest));
    for (const std::string bad : {std::string(""), std::string("b3"), std::string(".3"), std::string("3."),
                                  std::string("3..4"), std::string("3.4 beta"), std::string("v3.4"),
                                  std::string("3.4.1.2.3.4.5"),  // seven parts
                                  std::string("1234567890.1"),   // ten digits
                                  std::string("3.4abcdefghi"),   // a nine-character suffix
                                  std::string("3.4_x"), std::string("3.4+1"), std::string(40, '9'),
                                  longest + "1", std::string("3.4.1\x01"), std::string("3.4\xC3\xA9")})
        EXPECT_FALSE(LooksLikeVersion(bad)) << bad.substr(0, 40);
}

TEST(UpdateCheck, EveryFailureSaysWhyTheServerCouldNotBeReached) {
    struct Case { UpdateReply reply; std::string text; };
    const std::string prefix = "Could not reach the update server: ";
    const Case cases[] = {
        {{UpdateTransfer::NoSuchHost, 0, {}, "Could not resolve host"},
         prefix + "the server www.example.org could not be found (is the computer connected to the network?)."},
        {{UpdateTransfer::NoConnection, 0, {}, "Connection refused"},
         prefix + "www.example.org did not accept the connection."},
        {{UpdateTransfer::TimedOut, 0, "3.", {}}, prefix + "no complete reply within 10 seconds."},
        {{UpdateTransfer::BrokenOff, 200, "3.", {}}, prefix + "the connection broke off before the whole reply came."},
        {{UpdateTransfer::NotHttp, 0, {}, {}}, prefix + "the reply is not an HTTP reply."},
        {{UpdateTransfer::OtherFailure, 0, {}, "SSL connect error"}, prefix + "SSL connect error."},
        {{UpdateTransfer::OtherFailure, 0, {}, {}}, prefix + "the request failed."},
        {Replied(404, "3.9"), prefix + "the server answered with HTTP status 404."},
        {Replied(500, "3.9"), prefix + "the server answered with HTTP status 500."},
        {Replied(302, "3.9"), prefix + "the server sent the request elsewhere (HTTP status 302), which is not followed."},
    };
    for (const Case& c : cases) {
        const UpdateOutcome outcome = JudgeUpdateReply(c.reply, "3.4.1", "www.example.org", 10);
        EXPECT_EQ(outcome.verdict, UpdateVerdict::Error) << c.text;
        EXPECT_EQ(outcome.errorText, c.text);
    }
    // A cancelled check tells nothing, whatever came before the cancel.
    EXPECT_EQ(JudgeUpdateReply({UpdateTransfer::Cancelled, 200, "3.9", {}}, "3.4.1", "x", 10).verdict,
              UpdateVerdict::Silent);
    EXPECT_EQ(UpdateServerText({"127.0.0.1", 8123}), "127.0.0.1:8123");
    EXPECT_EQ(UpdateServerText({"www.example.org", 80}), "www.example.org");
    EXPECT_EQ(UpdateUrl({"www.example.org", 80}, kUpdatePath), "http://www.example.org:80/updateprogram.php");
}

}  // namespace
