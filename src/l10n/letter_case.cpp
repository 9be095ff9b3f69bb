#include "l10n/letter_case.h"

namespace tessaro {

std::string asciiUpper(std::string_view text) {
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), [](char c) { return asciiUpper(c); });
    return upper;
}

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](char c) { return asciiLower(c); });
    return lower;
}

}  // namespace tessaro
