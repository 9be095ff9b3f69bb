#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tessaro {

// The usage and help text, one "\n" per line. `prog` is the command the
// examples run; each example names one of `inputFormats`, drawn afresh per
// line.
std::string usageText(std::string_view prog, std::span<const std::string> inputFormats);

void printUsage(std::ostream& out, std::string_view prog,
                std::span<const std::string> inputFormats);

// Prints the version text as one line.
void printVersion(std::ostream& out);

}  // namespace tessaro
