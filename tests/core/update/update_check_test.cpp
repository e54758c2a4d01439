#include <gtest/gtest.h>

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
        {"3.4.1b", "3.4.1", true},   // text components compare as text
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

TEST(UpdateCheck, RepliesJudged) {
    struct Case { bool received; int status; std::string body; UpdateVerdict verdict; std::string detail; };
    const Case cases[] = {
        {true, 200, "3.4.2", UpdateVerdict::Newer, "3.4.2"},
        {true, 200, "3.4.1\r\n", UpdateVerdict::NoUpdate, ""},
        {true, 200, "3.4.1  \nnotes\n", UpdateVerdict::NoUpdate, ""},
        {true, 200, "3.10\n3.0", UpdateVerdict::Newer, "3.10"},
        {true, 200, "\xEF\xBB\xBF" "3.4.2\r\n", UpdateVerdict::Newer, "3.4.2"},
        {true, 200, std::string("\xFF\xFE" "3\0.\0" "5\0", 8), UpdateVerdict::Newer, "3.5"},
        {true, 200, std::string("\xFF\xFE" "3\0.", 5), UpdateVerdict::Error, "An error occurred."},
        {true, 200, "", UpdateVerdict::Error, "Unable to determine whether update exists."},
        {true, 200, "\n3.5", UpdateVerdict::Error, "Unable to determine whether update exists."},
        {true, 200, "<html>Not here</html>", UpdateVerdict::Error, "Unable to determine whether update exists."},
        {true, 200, "3..5", UpdateVerdict::Error, "Unable to determine whether update exists."},
        {true, 404, "3.9", UpdateVerdict::Silent, ""},
        {true, 302, "3.9", UpdateVerdict::Silent, ""},
        {false, 0, "", UpdateVerdict::Silent, ""},
    };
    for (const Case& c : cases) {
        const UpdateOutcome outcome = JudgeUpdateReply(c.received, c.status, c.body, "3.4.1");
        EXPECT_EQ(outcome.verdict, c.verdict) << c.body;
        if (c.verdict == UpdateVerdict::Newer) EXPECT_EQ(outcome.serverVersion, c.detail) << c.body;
        if (c.verdict == UpdateVerdict::Error) EXPECT_EQ(outcome.errorText, c.detail) << c.body;
    }
    EXPECT_EQ(JudgeUpdateReply(true, 200, "3.5", "").errorText, "Unable to determine whether update exists.");
}

}  // namespace
