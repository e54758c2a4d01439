#include "update/UpdateRequest.h"

#include <algorithm>
#include <utility>

#include <curl/curl.h>

namespace {

std::once_flag curlReady;

// How a finished transfer reads to the check; a reply cut at the size cap still is
// a reply (only its first line counts).
UpdateTransfer TransferFor(CURLcode code) {
    switch (code) {
        case CURLE_OK:
            return UpdateTransfer::Replied;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
            return UpdateTransfer::NoSuchHost;
        case CURLE_COULDNT_CONNECT:
            return UpdateTransfer::NoConnection;
        case CURLE_OPERATION_TIMEDOUT:
            return UpdateTransfer::TimedOut;
        case CURLE_PARTIAL_FILE:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
        case CURLE_GOT_NOTHING:
            return UpdateTransfer::BrokenOff;
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_UNSUPPORTED_PROTOCOL:  // what a reply without a status line gives
            return UpdateTransfer::NotHttp;
        case CURLE_ABORTED_BY_CALLBACK:
            return UpdateTransfer::Cancelled;
        default:
            return UpdateTransfer::OtherFailure;
    }
}

}  // namespace

UpdateRequest::UpdateRequest(std::string url, std::string body, Limits limits, Done done)
    : url_(std::move(url)), body_(std::move(body)), limits_(limits), done_(std::move(done)) {
    // Once, on the window's thread, before any transfer runs.
    std::call_once(curlReady, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    thread_ = std::thread([this] { Run(); });
}

UpdateRequest::~UpdateRequest() {
    Cancel();
    if (thread_.joinable()) thread_.join();
}

void UpdateRequest::Cancel() {
    cancelled_ = true;
    std::lock_guard<std::mutex> lock(wakeMutex_);
    if (multi_ != nullptr) curl_multi_wakeup(static_cast<CURLM*>(multi_));
}

void UpdateRequest::Run() {
    UpdateReply reply = Transfer();
    if (cancelled_) reply = UpdateReply{UpdateTransfer::Cancelled, 0, {}, {}};
    done_(std::move(reply));
}

size_t UpdateRequest::Write(char* data, size_t size, size_t count, void* self) {
    auto* request = static_cast<UpdateRequest*>(self);
    const size_t bytes = size * count;
    const size_t room = request->limits_.maxReplyBytes - request->received_.size();
    request->received_.append(data, std::min(bytes, room));
    if (bytes > room) {
        // Enough read: the first line is all that counts, and a server that keeps
        // sending must not fill the memory.
        request->capped_ = true;
        return 0;
    }
    return bytes;
}

int UpdateRequest::Progress(void* self, long long, long long, long long, long long) {
    return static_cast<UpdateRequest*>(self)->cancelled_ ? 1 : 0;
}

UpdateReply UpdateRequest::Transfer() {
    UpdateReply reply;
    CURL* easy = curl_easy_init();
    CURLM* multi = curl_multi_init();
    if (easy == nullptr || multi == nullptr) {
        if (easy != nullptr) curl_easy_cleanup(easy);
        if (multi != nullptr) curl_multi_cleanup(multi);
        reply.detail = "the network library could not be started";
        return reply;
    }
    char error[CURL_ERROR_SIZE] = "";
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/x-www-form-urlencoded");
    curl_easy_setopt(easy, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(easy, CURLOPT_POST, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body_.data());
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE, static_cast<long>(body_.size()));
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.totalMilliseconds));
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(std::min(limits_.connectMilliseconds, limits_.totalMilliseconds)));
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &UpdateRequest::Write);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &UpdateRequest::Progress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, error);
    curl_multi_add_handle(multi, easy);
    {
        std::lock_guard<std::mutex> lock(wakeMutex_);
        multi_ = multi;
    }

    // The multi interface lets Cancel wake the wait at once instead of at the next
    // progress call.
    CURLcode result = CURLE_OK;
    bool finished = false;
    while (!finished && !cancelled_) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
                finished = true;
            }
        }
        if (finished || running == 0) break;
        curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
    }
    {
        std::lock_guard<std::mutex> lock(wakeMutex_);
        multi_ = nullptr;
    }

    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    curl_slist_free_all(headers);

    if (cancelled_) {
        reply.transfer = UpdateTransfer::Cancelled;
        return reply;
    }
    reply.transfer = (result == CURLE_WRITE_ERROR && capped_) ? UpdateTransfer::Replied : TransferFor(result);
    reply.status = static_cast<int>(status);
    reply.body = std::move(received_);
    reply.detail = error[0] != '\0' ? error : curl_easy_strerror(result);
    return reply;
}
