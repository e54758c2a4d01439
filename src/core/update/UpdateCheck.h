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

/// Form encoding of one name or value: letters, digits and "-_.~" kept, a blank as
/// '+', every other byte as %XX.
std::string FormEncoded(std::string_view text);

/// The body of the update request: "operation=update&program=<key>", encoded.
std::string UpdateRequestBody(std::string_view programKey);

/// Whether a first line of a reply reads as a version: digits and dots (no empty
/// component), optionally ending in letters, as "3.4.1" or "3.5b".
bool LooksLikeVersion(std::string_view text);

/// Is the server's version newer than the running one? Both are split at '.', and
/// the components are compared pairwise from the left: components made only of
/// digits compare as numbers (3.10 is newer than 3.4.1), others byte by byte as text
/// (letter case significant, a prefix before the longer text). Where all shared
/// components are equal, the one with more components is the newer.
bool IsNewerVersion(std::string_view server, std::string_view running);

/// What the check tells the user.
enum class UpdateVerdict {
    Silent,    ///< no reply (no connection, time-out, a status other than 2xx): nothing shown
    Error,     ///< the error text, caption "Error"
    NoUpdate,  ///< "No update needed at this time.", caption "No Update"
    Newer,     ///< the update dialog with the server's version
};

struct UpdateOutcome {
    UpdateVerdict verdict = UpdateVerdict::Silent;
    std::string serverVersion;  ///< for Newer
    std::string errorText;      ///< for Error (untranslated)
};

/// The reply body read as text: a UTF-8 byte-order mark dropped; a UTF-16 one
/// (either byte order) decoded, characters beyond ASCII kept as '?'. False when a
/// UTF-16 body has an odd number of bytes.
bool ReplyAsText(std::string_view body, std::string& text);

/// The first line of a text, without its line end and trailing blanks.
std::string FirstReplyLine(std::string_view text);

/// Judges a reply. `received` is false when the request could not be made or no
/// reply came; `status` is the reply's HTTP status.
UpdateOutcome JudgeUpdateReply(bool received, int status, std::string_view body, std::string_view running);
