#pragma once

#include <optional>
#include <ostream>
#include <string_view>

namespace tessaro {

enum class FirstArgumentCommand { help, version };

// The command that `argument` names when it stands first on the command line:
// "-h", "-?" or "--help", "-v" or "--version", in any letter case, read as
// every option name is read (blanks around it and a long name's "=..." aside).
std::optional<FirstArgumentCommand> findFirstArgumentCommand(std::string_view argument);

// Prints the help or the version when the first argument asks for it and
// returns the exit status; nothing when the first argument is no such command.
// Help examples run the command the program was started as (argv[0]).
std::optional<int> runFirstArgumentCommand(int argc, char** argv, std::ostream& out);

}  // namespace tessaro
