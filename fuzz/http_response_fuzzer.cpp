// Feeds received bytes to the HTTP answer reading of the update check: the
// body start of a response and the version number read from it. Answers are
// never longer than the client's receive limit. The same bytes, taken as an
// address, must never add a line to the request built for it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "update/http_client.h"
#include "update/http_message.h"
#include "update/update_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > tessaro::httpReceiveLimit) {
        return 0;
    }
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string bodyStart = tessaro::responseBodyStart(bytes);
    // Three characters at most, counted as UTF-8 starts them.
    if (std::count_if(bodyStart.begin(), bodyStart.end(), [](char byte) {
            return (static_cast<unsigned char>(byte) & 0xc0) != 0x80;
        }) > 3) {
        std::abort();
    }
    tessaro::updateOutcomeFor(tessaro::leadingInteger(bodyStart));

    if (std::optional<tessaro::HttpUrl> url = tessaro::splitHttpUrl(bytes)) {
        const std::string request = tessaro::buildGetRequest(*url, {});
        if (std::count(request.begin(), request.end(), '\n') != 6 ||
            std::count(request.begin(), request.end(), '\r') != 6) {
            std::abort();
        }
    }
    return 0;
}
