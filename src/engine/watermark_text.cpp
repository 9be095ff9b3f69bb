#include <algorithm>

#include "engine/naming/output_path.h"
#include "engine/watermark.h"
#include "engine/watermark_overlays.h"
#include "l10n/letter_case.h"

namespace tessaro {
namespace {

constexpr std::string_view lineBreakToken = "%eol%";

}  // namespace

std::string expandWatermarkText(const Settings& settings, const ConversionRequest& request,
                                const PageFacts& page) {
    std::string text = settings.watermark.text;
    if (std::ranges::count(text, '%') < 2) {
        return text;
    }
    // Whether a token is present is decided on the text as written, so a token
    // that only appears inside an inserted value stays as it is.
    const std::string written = asciiLower(text);
    for (std::string_view token : fileNameTokens) {
        if (written.find(token) != std::string::npos) {
            text = expandToken(text, token, request, page);
        }
    }
    return text;
}

std::vector<std::string> watermarkLines(const std::string& text) {
    const std::string lower = asciiLower(text);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t found = lower.find(lineBreakToken); found != std::string::npos;
         found = lower.find(lineBreakToken, start)) {
        lines.push_back(text.substr(start, found - start));
        start = found + lineBreakToken.size();
    }
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace tessaro
