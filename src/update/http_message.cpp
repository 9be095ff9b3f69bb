#include "update/http_message.h"

#include <charconv>

namespace tessaro {
namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view emptyLine = "\r\n\r\n";

bool hasBlankOrControl(std::string_view text) {
    for (unsigned char c : text) {
        if (c <= ' ' || c == 0x7f) {
            return true;
        }
    }
    return false;
}

// "HTTP/1.0 200 OK" and the like: a protocol name, a blank and a three-digit
// code from 200 to 299.
bool reportsSuccess(std::string_view response) {
    const std::string_view statusLine = response.substr(0, response.find(lineEnd));
    if (!statusLine.starts_with("HTTP/")) {
        return false;
    }
    const std::size_t blank = statusLine.find(' ');
    if (blank == std::string_view::npos || statusLine.size() < blank + 4) {
        return false;
    }
    const std::string_view code = statusLine.substr(blank + 1, 3);
    const bool endsAfterCode = statusLine.size() == blank + 4 || statusLine[blank + 4] == ' ';
    return endsAfterCode && code[0] == '2' && code[1] >= '0' && code[1] <= '9' && code[2] >= '0' &&
           code[2] <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The first `count` UTF-8 characters of `text`; a continuation byte never
// starts a character, so no character is cut in half.
std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size()) {
        const auto byte = static_cast<unsigned char>(text[end]);
        if ((byte & 0xc0) != 0x80) {
            if (characters == count) {
                break;
            }
            ++characters;
        }
        ++end;
    }
    return text.substr(0, end);
}

}  // namespace

std::optional<HttpUrl> splitHttpUrl(std::string_view url) {
    if (hasBlankOrControl(url)) {
        return std::nullopt;
    }
    if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos) {
        url.remove_prefix(scheme + 3);
    }
    const std::size_t slash = url.find('/');
    const std::string_view site = url.substr(0, slash);
    const std::string_view pathPart =
        slash == std::string_view::npos ? std::string_view{} : url.substr(slash + 1);

    HttpUrl parts;
    const std::size_t colon = site.find(':');
    parts.host = std::string{site.substr(0, colon)};
    if (parts.host.empty()) {
        return std::nullopt;
    }
    if (colon != std::string_view::npos) {
        const std::string_view portText = site.substr(colon + 1);
        unsigned port = 0;
        const auto [end, error] =
            std::from_chars(portText.data(), portText.data() + portText.size(), port);
        if (error != std::errc{} || end != portText.data() + portText.size() || port == 0 ||
            port > 65535) {
            return std::nullopt;
        }
        parts.port = static_cast<uint16_t>(port);
    }
    parts.path = "/" + std::string{pathPart};
    return parts;
}

std::string buildGetRequest(const HttpUrl& url, std::string_view userAgent) {
    if (userAgent.empty()) {
        userAgent = defaultUserAgent;
    }
    std::string request;
    request += "GET " + url.path + " HTTP/1.0";
    request += lineEnd;
    request += "Host: " + url.host;
    request += lineEnd;
    request += "Accept: */*";
    request += lineEnd;
    request += "User-Agent: ";
    request += userAgent;
    request += lineEnd;
    request += "Connection: close";
    request += lineEnd;
    request += lineEnd;
    return request;
}

std::string responseBodyStart(std::string_view response) {
    response = response.substr(0, response.find('\0'));
    if (!reportsSuccess(response)) {
        return {};
    }
    const std::size_t headerEnd = response.find(emptyLine);
    if (headerEnd == std::string_view::npos) {
        return {};
    }
    std::string_view body = response.substr(headerEnd + emptyLine.size());
    body = body.substr(0, body.find(emptyLine));
    return std::string{firstCharacters(trimBlanks(body), 3)};
}

}  // namespace tessaro
