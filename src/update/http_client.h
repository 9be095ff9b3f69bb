#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace tessaro {

// How long the client waits. The defaults are the program's; tests pass
// shorter ones.
struct HttpTimings {
    // For the name lookup and the TCP connection together, over all
    // addresses the host name resolves to.
    std::chrono::milliseconds connectTimeout{10000};
    // How often the connection is looked at while the answer is awaited.
    std::chrono::milliseconds pollInterval{20};
    // From the moment the request was sent until the answer must be complete.
    std::chrono::milliseconds answerTimeout{10000};
};

// Only this much of an answer is ever read; the version file is tiny.
inline constexpr std::size_t httpReceiveLimit = 2048;

// Sends the GET request of buildGetRequest over a fresh TCP connection and
// collects the answer until the server closes the connection, the receive
// limit is reached, or answerTimeout has passed since the request was sent.
// The raw bytes of the answer (status line, headers and body), at most
// httpReceiveLimit of them, or why there is none: an unusable address, a
// host that cannot be looked up or connected to, a request that cannot be
// sent, no answer.
Result<std::string> httpGet(std::string_view url, std::string_view userAgent,
                            const HttpTimings& timings = {});

// The first three characters of the trimmed body of httpGet's answer
// (responseBodyStart), or "" when the request could not be made or brought
// no usable answer.
std::string httpGetText(std::string_view url, std::string_view userAgent,
                        const HttpTimings& timings = {});

}  // namespace tessaro
