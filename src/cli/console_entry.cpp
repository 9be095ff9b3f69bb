#include "cli/console_entry.h"

#include <iostream>
#include <optional>

#include "cli/first_argument_command.h"

namespace tessaro {

int runProgramEntry(int argc, char** argv) {
    if (std::optional<int> status = runFirstArgumentCommand(argc, argv, std::cout))
        return *status;
    return 0;
}

}  // namespace tessaro
