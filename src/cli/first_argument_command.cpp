#include "cli/first_argument_command.h"

#include <array>
#include <filesystem>
#include <string>

#include "cli/command_line.h"
#include "cli/help_text.h"
#include "settings/product_formats.h"

namespace tessaro {

namespace {

struct CommandName {
    std::string_view name;  // upper case
    FirstArgumentCommand command;
};

constexpr std::array<CommandName, 5> commandNames = {{
    {"-H", FirstArgumentCommand::help},
    {"-?", FirstArgumentCommand::help},
    {"--HELP", FirstArgumentCommand::help},
    {"-V", FirstArgumentCommand::version},
    {"--VERSION", FirstArgumentCommand::version},
}};

// The executable's file name as it was started; executables carry no
// extension here, so the whole name is the command a user types.
std::string commandName(const char* argv0) {
    std::string name =
        argv0 == nullptr ? std::string() : std::filesystem::path(argv0).filename().string();
    return name.empty() ? std::string("tessaro") : name;
}

}  // namespace

std::optional<FirstArgumentCommand> findFirstArgumentCommand(std::string_view argument) {
    const std::string name = optionName(trimArgument(argument));
    for (const CommandName& entry : commandNames) {
        if (entry.name == name)
            return entry.command;
    }
    return std::nullopt;
}

std::optional<int> runFirstArgumentCommand(int argc, char** argv, std::ostream& out) {
    if (argc < 2)
        return std::nullopt;
    std::optional<FirstArgumentCommand> command = findFirstArgumentCommand(argv[1]);
    if (!command)
        return std::nullopt;
    switch (*command) {
        case FirstArgumentCommand::help:
            printUsage(out, commandName(argv[0]), productInputFormats());
            break;
        case FirstArgumentCommand::version:
            printVersion(out);
            break;
    }
    return 0;
}

}  // namespace tessaro
