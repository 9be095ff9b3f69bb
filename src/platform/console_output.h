#pragma once

#include <string_view>

namespace tessaro {

// Console lines end in "\n" and are written at once, so that they appear in
// order even when standard output and standard error share a terminal.
// "Error: " lines go to standard error, every other line to standard output.
void printLine(std::string_view text);
void printErrorLine(std::string_view text);

}  // namespace tessaro
