#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Fills the placeholders "%s1%" to "%s4%", matched in any letter case, with
// the values in turn. An empty value leaves its placeholder in the text.
std::string formatMessage(std::string_view text, std::string_view s1 = {}, std::string_view s2 = {},
                          std::string_view s3 = {}, std::string_view s4 = {});

}  // namespace tessaro
