#pragma once
#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "update/UpdateCheck.h"

/// One update request: the check's form sent as an HTTP/1.0 POST on a thread of its
/// own, so that a slow or silent server never holds up the windows. The whole exchange
/// (connect, send, receive) has one deadline; the reply is read into memory up to a
/// size cap; Cancel ends the transfer at once from any thread.
class UpdateRequest {
public:
    struct Limits {
        int totalMilliseconds = 10000;   ///< connect, send and receive together
        int connectMilliseconds = 5000;  ///< of that, the most the connect may take
        size_t maxReplyBytes = kMaxUpdateReplyBytes;
    };
    /// Called once on the request's own thread when the transfer is over, cancelled
    /// or not; it must only hand the reply over to the window's thread.
    using Done = std::function<void(UpdateReply)>;

    /// Starts the request to `url` with the form `body`.
    UpdateRequest(std::string url, std::string body, Limits limits, Done done);
    /// Cancels a request still running and waits for its thread, which ends promptly.
    ~UpdateRequest();
    UpdateRequest(const UpdateRequest&) = delete;
    UpdateRequest& operator=(const UpdateRequest&) = delete;

    /// Stops the transfer; `done` then reports Cancelled (unless it already ran).
    void Cancel();

private:
    void Run();
    UpdateReply Transfer();
    static size_t Write(char* data, size_t size, size_t count, void* self);
    static int Progress(void* self, long long, long long, long long, long long);

    std::string url_;
    std::string body_;
    Limits limits_;
    Done done_;
    std::string received_;
    bool capped_ = false;
    std::atomic<bool> cancelled_{false};
    std::mutex wakeMutex_;
    void* multi_ = nullptr;  // the running transfer's multi handle, to wake it on Cancel
    std::thread thread_;
};
