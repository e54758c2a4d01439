#include "update/UpdateRequest.h"

#include <memory>

#include <wx/protocol/http.h>
#include <wx/stream.h>

#include "update/UpdateCheck.h"

UpdateReply PostUpdateRequest(const std::string& host, unsigned short port, const std::string& path,
                              const std::string& body, int timeoutSeconds) {
    UpdateReply reply;
    wxHTTP http;
    // Blocking without processing events: the check runs on the GUI thread, and a
    // click arriving meanwhile must not start a second check inside the first.
    http.SetFlags(wxSOCKET_BLOCK);
    http.SetTimeout(timeoutSeconds);
    if (!http.SetPostText("application/x-www-form-urlencoded", wxString::FromUTF8(body))) return reply;
    if (!http.Connect(wxString::FromUTF8(host), port)) return reply;
    std::unique_ptr<wxInputStream> in(http.GetInputStream(wxString::FromUTF8(path)));
    reply.status = http.GetResponse();
    if (!in) return reply;

    char buffer[4096];
    while (reply.body.size() < kMaxUpdateReplyBytes) {
        in->Read(buffer, sizeof buffer);
        const size_t got = in->LastRead();
        if (got == 0) break;
        reply.body.append(buffer, std::min(got, kMaxUpdateReplyBytes - reply.body.size()));
        if (in->Eof()) break;
    }
    // A read that ran out of time is no reply, even when part of one came.
    if (http.LastError() == wxSOCKET_TIMEDOUT) return reply;
    reply.received = true;
    return reply;
}
