#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tessaro {

inline constexpr std::string_view productName = "Brimvale ICO to JPG";
// The internal version number: digits read as major, minor and patch level.
inline constexpr int32_t programVersion = 270;

// 270 reads "2.7", 271 "2.7.1", 300 "3.0".
std::string versionText(int32_t versionNumber);

// The name, one blank and the version text: "Brimvale ICO to JPG 2.7".
std::string productTitle(std::string_view name, int32_t versionNumber);

// Fills the placeholders "%s1%" to "%s4%", matched in any letter case, with
// the values in turn. An empty value leaves its placeholder in the text.
std::string formatMessage(std::string_view text, std::string_view s1 = {}, std::string_view s2 = {},
                          std::string_view s3 = {}, std::string_view s4 = {});

// The usage and help text, one "\n" per line. `prog` is the command the
// examples run; each example names one of `inputFormats`, drawn afresh per
// line.
std::string usageText(std::string_view prog, std::span<const std::string> inputFormats);

void printUsage(std::ostream& out, std::string_view prog,
                std::span<const std::string> inputFormats);

// Prints the version text as one line.
void printVersion(std::ostream& out);

}  // namespace tessaro
