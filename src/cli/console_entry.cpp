#include "cli/console_entry.h"

namespace tessaro {

int runProgramEntry(int, char**) { return 0; }

}  // namespace tessaro
