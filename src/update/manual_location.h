#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The HTML user manual, looked for beside the executable ("doc/manual.html",
// as the build lays it out) and then in "../share/doc/tessaro/manual.html"
// relative to it (an installed program in <prefix>/bin). Returns the first
// that exists, or "" when neither does. `programFolder` ends in "/".
std::string findManual(std::string_view programFolder);

// findManual for the running executable's folder.
std::string manualPath();

}  // namespace tessaro
