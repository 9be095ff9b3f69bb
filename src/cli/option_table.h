#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/field_ref.h"
#include "settings/settings.h"

namespace tessaro {

// How an option's value text is read.
enum class ValueKind : uint8_t {
    none,      // the option carries no value; naming it has its effect
    number,    // integer: decimal, "$" hexadecimal or "%" binary
    fraction,  // decimal number, "+Infinity", "-Infinity" or "NaN"
    keyword,   // a keyword of the option's keyword table
    text,      // text; a quoted value split over several arguments is joined
    rawText,   // text taken as it stands, only its outer quotes removed
};

// What naming the option does besides (or instead of) setting a field.
enum class OptionRole : uint8_t {
    setting,     // writes a Settings field; profiles know these too
    input,       // names the input file and turns the console run on
    output,      // names the output folder
    conversion,  // names the output format
    profile,     // applies a profile file where it stands
    debug,       // turns on the debug lines of the run
    quiet,       // suppresses the progress texts
    pause,       // waits for a key before the program ends
};

using SettingsField = std::variant<std::monostate, FieldRef<int32_t>, FieldRef<int8_t>,
                                   FieldRef<float>, FieldRef<std::string>>;

// One option of the command line, declared once: the parser, the profile
// reader and the debug listing all read it from here.
struct OptionSpec {
    std::string_view shortName;  // "-I"; empty when there is only a long form
    std::string_view longName;   // "--INPUT"
    ValueKind kind = ValueKind::none;
    OptionRole role = OptionRole::setting;
    int keywordTable = -1;  // for ValueKind::keyword
    // The field the value goes to; a valueless option stores `fixedValue`.
    SettingsField target;
    int8_t fixedValue = 1;
    // The "Do" flag some options switch on as they are given, and its value.
    // No option ever switches one off.
    FieldRef<int8_t> flag;
    int8_t flagValue = 1;
    // The key that names the option in profile files; empty when profiles
    // do not know the option.
    std::string_view profileKey;
    // Profile values keep their double quotes, except where a quote could
    // never be meant as part of the value.
    bool profileStripsQuotes = false;
};

// `name` in upper case. Option names and profile keys are ASCII, so ASCII
// folding decides every match.
std::string upperCaseName(std::string_view name);

// Every option, in the order in which profile keys are compared.
std::span<const OptionSpec> optionTable();

// The option whose short or long name is `upperName` (already upper case).
const OptionSpec* findOption(std::string_view upperName);

// The option whose profile key is `upperKey` (already upper case).
const OptionSpec* findProfileOption(std::string_view upperKey);

}  // namespace tessaro
