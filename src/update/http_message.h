#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The user agent sent when the caller gives none.
inline constexpr std::string_view defaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; en)";

struct HttpUrl {
    std::string host;
    uint16_t port = 80;
    std::string path;  // starts with "/"
};

// Splits "http://host[:port]/path" (the scheme is optional) into its host,
// port (80 when absent) and path. Returns nothing for an empty host, a port
// that is not a number from 1 to 65535, and for blanks or control characters
// anywhere, which would let the address add lines to the request.
std::optional<HttpUrl> splitHttpUrl(std::string_view url);

// The GET request for `url`: five lines and an empty line, each ended by
// CR LF. An empty `userAgent` sends defaultUserAgent.
std::string buildGetRequest(const HttpUrl& url, std::string_view userAgent);

// The first three characters of a response's body, trimmed of blanks at both
// ends. The response counts up to its first zero byte; its body is the text
// after the first empty line, up to the next empty line or the end. Only a
// response whose status line reports success (2xx) has a body worth reading:
// an error page is no version file, whatever digits it starts with.
std::string responseBodyStart(std::string_view response);

}  // namespace tessaro
