#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/option_table.h"
#include "settings/settings.h"

namespace tessaro {

// Reads an integer the way options and profiles write one: blanks and tabs
// skipped, an optional sign, then decimal digits, "$" and hexadecimal digits,
// or "%" and binary digits. Reading stops at the first other character; no
// digits read as 0. The result keeps the low 32 bits.
int32_t readOptionNumber(std::string_view text);

// Reads a decimal fraction with "." as the decimal point; "Infinity" and
// "NaN" (any case, optionally signed) give those values; no number reads 0.
float readOptionFraction(std::string_view text);

// The text without any leading and trailing double quotes.
std::string_view stripQuotes(std::string_view text);

// Applies a setting option with its value text: converts the text by the
// option's value kind into its field and switches on the option's "Do" flag.
// Text values are taken as given; the caller has already dealt with quotes.
void applySettingValue(const OptionSpec& option, std::string_view value, Settings& settings);

}  // namespace tessaro
