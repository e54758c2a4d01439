#pragma once
#include <string>

/// What came back from one update request.
struct UpdateReply {
    bool received = false;  ///< false: no connection, no reply, or the time-out ran out
    int status = 0;         ///< the reply's HTTP status
    std::string body;       ///< at most kMaxUpdateReplyBytes of it
};

/// Sends the update check's form to `host:port` as one HTTP/1.0 POST to `path` and
/// reads the reply into memory. Blocks for at most about `timeoutSeconds` per
/// connect or read; nothing is written to disk.
UpdateReply PostUpdateRequest(const std::string& host, unsigned short port, const std::string& path,
                              const std::string& body, int timeoutSeconds);
