#include "update/UpdateCheck.h"

#include <utility>
#include <vector>

#include "base/Translate.h"
#include "model/TextFormat.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::vector<std::string_view> Components(std::string_view version) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t dot = version.find('.', start);
        parts.push_back(version.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    return parts;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!IsDigit(c)) return false;
    return true;
}

// -1, 0, +1; numbers of any length compare without overflow.
int CompareNumbers(std::string_view a, std::string_view b) {
    while (a.size() > 1 && a.front() == '0') a.remove_prefix(1);
    while (b.size() > 1 && b.front() == '0') b.remove_prefix(1);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

constexpr size_t kMaxPartDigits = 9;
constexpr size_t kMaxSuffixLength = 8;

// "10b" -> {"10", "b"}: the digits a part begins with and the rest.
std::pair<std::string_view, std::string_view> SplitPart(std::string_view part) {
    size_t digits = 0;
    while (digits < part.size() && IsDigit(part[digits])) ++digits;
    return {part.substr(0, digits), part.substr(digits)};
}

// The leading numbers as numbers, then the rest as text (bytes as unsigned, a
// prefix first, so no rest comes before any rest).
int CompareParts(std::string_view a, std::string_view b) {
    const auto [numberA, restA] = SplitPart(a);
    const auto [numberB, restB] = SplitPart(b);
    const int byNumber = CompareNumbers(numberA, numberB);
    if (byNumber != 0) return byNumber;
    const int c = restA.compare(restB);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

bool ParseUpdateServer(std::string_view text, UpdateServer& out) {
    std::string_view host = text;
    uint16_t port = 80;
    const size_t colon = text.rfind(':');
    if (colon != std::string_view::npos) {
        host = text.substr(0, colon);
        const std::string_view portText = text.substr(colon + 1);
        if (!AllDigits(portText) || portText.size() > 5) return false;
        const int value = std::stoi(std::string(portText));
        if (value < 1 || value > 65535) return false;
        port = static_cast<uint16_t>(value);
    }
    if (host.empty() || host.find_first_of(" \t\r\n/") != std::string_view::npos) return false;
    out.host = std::string(host);
    out.port = port;
    return true;
}

std::string UpdateServerText(const UpdateServer& server) {
    return server.port == 80 ? server.host : server.host + ":" + std::to_string(server.port);
}

std::string UpdateUrl(const UpdateServer& server, std::string_view path) {
    return "http://" + server.host + ":" + std::to_string(server.port) + std::string(path);
}

std::string FormEncoded(std::string_view text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsDigit(ch) || IsLetter(ch) || ch == '-' || ch == '_' || ch == '.' || ch == '~') {
            out += ch;
        } else if (ch == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        }
    }
    return out;
}

std::string UpdateRequestBody(std::string_view programKey) {
    return FormEncoded("operation") + "=" + FormEncoded("update") + "&" + FormEncoded("program") + "=" +
           FormEncoded(programKey);
}

bool LooksLikeVersion(std::string_view text) {
    if (text.empty() || text.size() > kMaxVersionLength) return false;
    const std::vector<std::string_view> parts = Components(text);
    if (parts.size() > kMaxVersionParts) return false;
    for (std::string_view part : parts) {
        const auto [number, rest] = SplitPart(part);
        if (number.empty() || number.size() > kMaxPartDigits) return false;
        if (rest.size() > kMaxSuffixLength) return false;
        for (char c : rest)
            if (!IsLetter(c) && !IsDigit(c) && c != '-') return false;
    }
    return true;
}

bool IsNewerVersion(std::string_view server, std::string_view running) {
    const auto s = Components(server);
    const auto r = Components(running);
    for (size_t i = 0;; ++i) {
        if (i >= s.size()) return false;
        if (i >= r.size()) return true;
        const int c = CompareParts(s[i], r[i]);
        if (c != 0) return c > 0;
    }
}

bool ReplyAsText(std::string_view body, std::string& text) {
    text.clear();
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(body[i]); };
    if (body.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
        text.assign(body.substr(3));
        return true;
    }
    if (body.size() >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
        const bool little = byte(0) == 0xFF;
        if (body.size() % 2 != 0) return false;
        for (size_t i = 2; i + 1 < body.size(); i += 2) {
            const unsigned unit = little ? (byte(i) | (byte(i + 1) << 8)) : ((byte(i) << 8) | byte(i + 1));
            text += unit < 0x80 ? static_cast<char>(unit) : '?';
        }
        return true;
    }
    text.assign(body);
    return true;
}

std::string FirstReplyLine(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    return std::string(line);
}

std::string UpdateFailureReason(const UpdateReply& reply, std::string_view server, int deadlineSeconds) {
    const std::string where(server);
    switch (reply.transfer) {
        case UpdateTransfer::Replied:
            if (reply.status >= 200 && reply.status <= 299) return {};
            if (reply.status >= 300 && reply.status <= 399)
                return FormatTextV(tr("the server sent the request elsewhere (HTTP status %d), which is not followed."),
                              reply.status);
            return FormatTextV(tr("the server answered with HTTP status %d."), reply.status);
        case UpdateTransfer::NoSuchHost:
            return FormatTextV(tr("the server %s could not be found (is the computer connected to the network?)."), where.c_str());
        case UpdateTransfer::NoConnection:
            return FormatTextV(tr("%s did not accept the connection."), where.c_str());
        case UpdateTransfer::TimedOut:
            return FormatTextV(tr("no complete reply within %d seconds."), deadlineSeconds);
        case UpdateTransfer::BrokenOff:
            return tr("the connection broke off before the whole reply came.");
        case UpdateTransfer::NotHttp:
            return tr("the reply is not an HTTP reply.");
        case UpdateTransfer::Cancelled:
            return {};
        case UpdateTransfer::OtherFailure:
            break;
    }
    return reply.detail.empty() ? tr("the request failed.") : reply.detail + ".";
}

UpdateOutcome JudgeUpdateReply(const UpdateReply& reply, std::string_view running, std::string_view server,
                               int deadlineSeconds) {
    UpdateOutcome outcome;
    if (reply.transfer == UpdateTransfer::Cancelled) return outcome;
    const std::string reason = UpdateFailureReason(reply, server, deadlineSeconds);
    if (!reason.empty()) {
        outcome.verdict = UpdateVerdict::Error;
        outcome.errorText = FormatTextV(tr("Could not reach the update server: %s"), reason.c_str());
        return outcome;
    }
    std::string text;
    if (!ReplyAsText(reply.body, text)) {
        outcome.verdict = UpdateVerdict::Error;
        outcome.errorText = tr("An error occurred.");
        return outcome;
    }
    const std::string version = FirstReplyLine(text);
    if (version.empty() || running.empty() || !LooksLikeVersion(version)) {
        outcome.verdict = UpdateVerdict::Error;
        outcome.errorText = tr("Unable to determine whether update exists.");
        return outcome;
    }
    if (IsNewerVersion(version, running)) {
        outcome.verdict = UpdateVerdict::Newer;
        outcome.serverVersion = version;
    } else {
        outcome.verdict = UpdateVerdict::NoUpdate;
    }
    return outcome;
}
