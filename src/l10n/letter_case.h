#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Upper-cases the ASCII letters of a program-defined name (a string table
// group or key, an option name, a placeholder) and leaves every other byte
// as it is, so UTF-8 sequences pass through unchanged.
std::string asciiUpper(std::string_view text);

}  // namespace tessaro
