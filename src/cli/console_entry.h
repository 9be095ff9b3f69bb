#pragma once

namespace tessaro {

// The program's edge: decides between the console and the window mode and
// turns the outcome into the process exit status.
int runProgramEntry(int argc, char** argv);

}  // namespace tessaro
