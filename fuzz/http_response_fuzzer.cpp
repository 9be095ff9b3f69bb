// Feeds received bytes to the HTTP answer reading of the update check: the
// body start of a response and the version number read from it. Answers are
// never longer than the client's receive limit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "update/http_client.h"
#include "update/http_message.h"
#include "update/update_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > tessaro::httpReceiveLimit) {
        return 0;
    }
    std::string_view response(reinterpret_cast<const char*>(data), size);
    const std::string bodyStart = tessaro::responseBodyStart(response);
    tessaro::updateOutcomeFor(tessaro::leadingInteger(bodyStart));
    tessaro::leadingInteger(response);
    return 0;
}
