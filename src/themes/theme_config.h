#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The value of `key` in `group` of a theme.cfg text (CR LF lines), or "".
// Group and key letters match in any case. The key matches by prefix: the
// first line of the group that begins with it counts, and a key on the very
// first line of the text is never found, as only a key after a CR LF is.
// The value lies between the line's first "=" and a second one, without
// surrounding blanks, then without surrounding TAB, CR and LF.
std::string readThemeValue(std::string_view text, std::string_view group, std::string_view key);

}  // namespace tessaro
