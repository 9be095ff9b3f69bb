#include "cli/command_line.h"

#include <optional>
#include <vector>

#include "cli/first_argument_command.h"
#include "cli/option_table.h"
#include "cli/option_value.h"
#include "cli/profile_file.h"

namespace tessaro {
namespace {

constexpr std::string_view missingValueMessage = "Incorrect number of parameters";
constexpr std::string_view invalidProfileMessage = "Invalid profile file";

bool isLongName(std::string_view name) {
    return name.starts_with("--");
}

// Takes the value of the option named `name` at argument `index`: a short
// option's value is the whole next argument, a long option's the text after
// its "=". Advances `index` past the arguments used; nothing when the value is
// missing, which includes the next option standing where a value should.
std::optional<std::string> takeValue(std::span<const std::string_view> arguments,
                                     std::string_view name, std::size_t& index) {
    std::string_view value;
    bool afterEquals = false;
    if (isLongName(name)) {
        afterEquals = arguments[index].find('=') != std::string_view::npos;
        value = optionValue(arguments[index]);
    } else {
        ++index;
        if (index >= arguments.size()) {
            return std::nullopt;
        }
        value = arguments[index];
    }
    if (value.empty() || (value.front() == '-' && !afterEquals)) {
        return std::nullopt;
    }
    return std::string(value);
}

// A quoted text that the shell split into several arguments is put back
// together: the following arguments are appended, each after one blank, up
// to one that ends with a quote (or to the last argument).
void joinQuotedText(std::span<const std::string_view> arguments, std::string& value,
                    std::size_t& index) {
    if (value.front() != '"' || value.back() == '"') {
        return;
    }
    while (index + 1 < arguments.size()) {
        ++index;
        value += ' ';
        value += arguments[index];
        if (arguments[index].ends_with('"')) {
            return;
        }
    }
}

// Stops the reading with an error; the flags read so far stay, so that "-p"
// before the error still holds the message on screen.
CommandLineResult failed(CommandLineResult result, std::string_view message) {
    result.next = NextStep::reportError;
    result.errorMessage = message;
    return result;
}

// The commands that count only as the first argument.
std::optional<NextStep> firstArgumentCommand(std::string_view argument) {
    if (auto command = findFirstArgumentCommand(argument)) {
        return *command == FirstArgumentCommand::help ? NextStep::printHelp
                                                      : NextStep::printVersion;
    }
    std::string name = optionName(argument);
    if (name == "-U") {
        return NextStep::uninstallFeedback;
    }
    if (name == "-T") {
        return NextStep::takeScreenshots;
    }
    return std::nullopt;
}

}  // namespace

std::string_view trimArgument(std::string_view argument) {
    std::size_t first = argument.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = argument.find_last_not_of(' ');
    return argument.substr(first, last - first + 1);
}

std::string optionName(std::string_view argument) {
    if (!argument.starts_with('-')) {
        return {};
    }
    return upperCaseName(isLongName(argument) ? argument.substr(0, argument.find('=')) : argument);
}

std::string_view optionValue(std::string_view argument) {
    std::size_t equals = argument.find('=');
    if (isLongName(argument) && equals != std::string_view::npos) {
        return argument.substr(equals + 1);
    }
    return argument;
}

CommandLineResult parseCommandLine(std::span<const std::string> rawArguments, Settings& settings,
                                   ConversionJob& job) {
    std::vector<std::string_view> trimmed;
    trimmed.reserve(rawArguments.size());
    for (const std::string& argument : rawArguments) {
        trimmed.push_back(trimArgument(argument));
    }
    std::span<const std::string_view> arguments = trimmed;
    if (arguments.empty()) {
        return {};
    }
    CommandLineResult result;
    if (auto command = firstArgumentCommand(arguments.front())) {
        result.next = *command;
        if (*command == NextStep::takeScreenshots) {
            // The screenshot mode must not start the automatic update check.
            job.runMode = RunMode::screenshots;
            if (arguments.size() > 1) {
                result.screenshotFolder = std::string(optionValue(arguments[1]));
            }
        }
        return result;
    }

    for (std::size_t index = 0; index < arguments.size(); ++index) {
        std::string name = optionName(arguments[index]);
        const OptionSpec* option = name.empty() ? nullptr : findOption(name);
        if (option == nullptr) {
            continue;
        }
        if (option->role == OptionRole::input) {
            job.consoleMode = true;
        }
        std::string value;
        if (option->kind != ValueKind::none) {
            std::optional<std::string> taken = takeValue(arguments, name, index);
            if (!taken) {
                return failed(result, missingValueMessage);
            }
            value = std::move(*taken);
            if (option->kind == ValueKind::text) {
                joinQuotedText(arguments, value, index);
            }
            if (option->kind == ValueKind::text || option->kind == ValueKind::rawText) {
                value = std::string(stripQuotes(value));
            }
        }
        switch (option->role) {
            case OptionRole::setting:
                applySettingValue(*option, value, settings);
                break;
            case OptionRole::input:
                job.namedInput = value;
                break;
            case OptionRole::output:
                job.output.folder = value;
                break;
            case OptionRole::conversion:
                job.output.formatKey = value;
                break;
            case OptionRole::profile:
                if (!loadProfile(value, settings).ok()) {
                    return failed(result, invalidProfileMessage);
                }
                break;
            case OptionRole::debug:
                job.runMode = RunMode::debug;
                result.debug = true;
                break;
            case OptionRole::quiet:
                result.quiet = true;
                break;
            case OptionRole::pause:
                result.pause = true;
                break;
        }
    }
    result.next = job.consoleMode ? NextStep::runConversion : NextStep::startWindowMode;
    return result;
}

}  // namespace tessaro
