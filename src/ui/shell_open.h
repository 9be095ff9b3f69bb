#pragma once

#include <functional>
#include <string>

namespace tessaro {

// Hands a file name, a web address or a mailto: link to the desktop, which
// opens it with the user's program for it. Nothing is reported on failure:
// a missing browser or mail program is the desktop's business.
using ShellOpener = std::function<void(const std::string& target)>;

// The process's opener, initially desktopOpener(); tests put a recorder here.
ShellOpener& shellOpener();

// Starts xdg-open on the target as a detached process whose output is
// discarded, so the window mode never waits for it or shows its complaints.
void desktopOpener(const std::string& target);

// Opens `target` through shellOpener(); an empty target opens nothing.
void runProgram(const std::string& target);

}  // namespace tessaro
