#include "l10n/format_message.h"

#include <array>

#include "l10n/letter_case.h"

namespace tessaro {

namespace {

// Replaces every occurrence of `placeholder` (upper case) in any letter case,
// resuming after each inserted value so that a value is never rescanned.
void replacePlaceholder(std::string& text, std::string_view placeholder, std::string_view value) {
    std::string upperText = asciiUpper(text);
    std::string result;
    size_t start = 0;
    for (size_t found = upperText.find(placeholder); found != std::string::npos;
         found = upperText.find(placeholder, start)) {
        result.append(text, start, found - start).append(value);
        start = found + placeholder.size();
    }
    if (start == 0)
        return;
    text = result.append(text, start);
}

}  // namespace

std::string formatMessage(std::string_view text, std::string_view s1, std::string_view s2,
                          std::string_view s3, std::string_view s4) {
    constexpr std::array<std::string_view, 4> placeholders = {"%S1%", "%S2%", "%S3%", "%S4%"};
    const std::array<std::string_view, 4> values = {s1, s2, s3, s4};
    std::string result(text);
    for (size_t index = 0; index < placeholders.size(); ++index) {
        if (!values[index].empty())
            replacePlaceholder(result, placeholders[index], values[index]);
    }
    return result;
}

}  // namespace tessaro
