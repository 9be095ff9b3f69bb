#include "cli/console_entry.h"

int main(int argc, char** argv) { return tessaro::runProgramEntry(argc, argv); }
