#pragma once
#include <cstdint>
#include <string>
#include <string_view>

/// Where the maker's web server is asked, unless the configuration store names
/// another host under "UpdateHost".
inline constexpr const char* kDefaultUpdateHost = "www.quillfern.com";
inline constexpr const char* kUpdatePath = "/updateprogram.php";
/// The product page, on the same server.
inline constexpr const char* kProductPagePath = "/products/nestrel.php";
/// The most of a reply that is read; its first line is all that counts.
inline constexpr size_t kMaxUpdateReplyBytes = 64 * 1024;

/// A server address: "host" or "host:port" (port 1..65535; 80 when not given).
struct UpdateServer {
    std::string host;
    uint16_t port = 80;
};

/// Reads "host" or "host:port". False for an empty host, a blank in it, or a port
/// that is not a number from 1 to 65535.
bool ParseUpdateServer(std::string_view text, UpdateServer& out);

/// The address as the user names it: "host", or "host:port" when the port is not 80.
std::string UpdateServerText(const UpdateServer& server);

/// The address the request goes to: "http://host:port" followed by `path`.
std::string UpdateUrl(const UpdateServer& server, std::string_view path);

/// Form encoding of one name or value: letters, digits and "-_.~" kept, a blank as
/// '+', every other byte as %XX.
std::string FormEncoded(std::string_view text);

/// The body of the update request: "operation=update&program=<key>", encoded.
std::string UpdateRequestBody(std::string_view programKey);

/// The longest version text accepted, and the most parts it may have.
inline constexpr size_t kMaxVersionLength = 32;
inline constexpr size_t kMaxVersionParts = 6;

/// Whether a first line of a reply reads as a version of the program's own form: at
/// most kMaxVersionParts parts separated by '.', each a number of one to nine digits
/// with an optional short suffix (a letter or '-' first, then letters, digits or '-';
/// at most eight characters), as "3.4.1", "3.10b" or "4.0rc2"; at most
/// kMaxVersionLength characters in all.
bool LooksLikeVersion(std::string_view text);

/// Is the server's version newer than the running one? Both are split at '.', and
/// the parts are compared pairwise from the left: first the number each part begins
/// with, as a number (3.10 is newer than 3.4.1), then the rest of the part byte by
/// byte as text (letter case significant, no rest before any rest: 3.4.1b is newer
/// than 3.4.1). Where all shared parts are equal, the one with more parts is newer.
bool IsNewerVersion(std::string_view server, std::string_view running);

/// How the request for the current version ended, as the HTTP client saw it.
enum class UpdateTransfer {
    Replied,        ///< an HTTP reply came (any status); `status` and `body` hold it
    NoSuchHost,     ///< the server's name could not be resolved (often: no network)
    NoConnection,   ///< nobody accepted the connection
    TimedOut,       ///< the deadline for the whole exchange ran out
    BrokenOff,      ///< the connection closed or failed before the reply was whole
    NotHttp,        ///< what came back was no HTTP reply
    Cancelled,      ///< the user cancelled the check
    OtherFailure,   ///< anything else; `detail` says what
};

/// What came back from one update request.
struct UpdateReply {
    UpdateTransfer transfer = UpdateTransfer::OtherFailure;
    int status = 0;      ///< the reply's HTTP status (Replied)
    std::string body;    ///< at most kMaxUpdateReplyBytes of it
    std::string detail;  ///< the client's own words on a failure
};

/// What the check tells the user.
enum class UpdateVerdict {
    Silent,    ///< nothing (the user cancelled)
    Error,     ///< the error text, caption "Error"
    NoUpdate,  ///< "No update needed at this time.", caption "No Update"
    Newer,     ///< the update dialog with the server's version
};

struct UpdateOutcome {
    UpdateVerdict verdict = UpdateVerdict::Silent;
    std::string serverVersion;  ///< for Newer
    std::string errorText;      ///< for Error (translated)
};

/// The reply body read as text: a UTF-8 byte-order mark dropped; a UTF-16 one
/// (either byte order) decoded, characters beyond ASCII kept as '?'. False when a
/// UTF-16 body has an odd number of bytes.
bool ReplyAsText(std::string_view body, std::string& text);

/// The first line of a text, without its line end and trailing blanks.
std::string FirstReplyLine(std::string_view text);

/// Why the server could not be asked, for "Could not reach the update server: %s"
/// (empty for a reply with a 2xx status and for a cancelled check). `server` is the
/// address as the user would name it ("host" or "host:port"); `deadlineSeconds` the
/// deadline the exchange had.
std::string UpdateFailureReason(const UpdateReply& reply, std::string_view server, int deadlineSeconds);

/// Judges what the request brought back against the running version.
UpdateOutcome JudgeUpdateReply(const UpdateReply& reply, std::string_view running, std::string_view server,
                               int deadlineSeconds);
