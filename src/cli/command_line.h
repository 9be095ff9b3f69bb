#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/conversion_job.h"
#include "settings/settings.h"

namespace tessaro {

// What the program does once the command line has been read.
enum class NextStep : uint8_t {
    startWindowMode,    // no arguments, or no input named
    runConversion,      // an input was named: the console run converts it
    reportError,        // print "Error: " and the error message, convert nothing
    printVersion,       // "-v" or "--version" as the first argument
    printHelp,          // "-h", "-?" or "--help" as the first argument
    uninstallFeedback,  // "-u" as the first argument
    takeScreenshots,    // "-t" as the first argument
};

struct CommandLineResult {
    NextStep next = NextStep::startWindowMode;
    std::string errorMessage;  // for reportError: "Incorrect number of parameters", ...
    bool quiet = false;        // "-q": progress texts are not printed
    bool pause = false;        // "-p": wait for a key before the program ends
    bool debug = false;        // "-d": also recorded as RunMode::debug
    // For takeScreenshots: the folder named by the second argument; empty
    // means the executable's folder.
    std::string screenshotFolder;
};

// The argument without its leading and trailing blanks, as it is read.
std::string_view trimArgument(std::string_view argument);

// The name of an argument in upper case: the whole argument when it begins
// with "-", the part before the first "=" when it begins with "--"; empty for
// an argument that is no option.
std::string optionName(std::string_view argument);

// The value an argument carries: the text after the first "=" of a long
// option ("--wm-text=a=b" carries "a=b"), otherwise the argument itself.
std::string_view optionValue(std::string_view argument);

// Reads the program's arguments (without the program name) in order into
// `settings` and `job`, which the caller has reset for the console mode.
// Options apply in the order given, a profile where "--profile" stands; the
// first error stops the reading. Prints nothing and never ends the process.
CommandLineResult parseCommandLine(std::span<const std::string> arguments, Settings& settings,
                                   ConversionJob& job);

}  // namespace tessaro
