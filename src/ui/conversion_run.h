#pragma once

#include "batch/conversion_worker.h"
#include "ui/window_mode.h"

namespace tessaro {

class ProgressWindow;

// The Convert command and button: takes the input file, the output folder
// and the output format from the main window, checks them in turn (the first
// failing check shows its warning and ends the command, writing nothing),
// loads a text watermark's font, prepares the run, puts the output folder
// first in the history and opens the progress window, which runs the worker.
// Returns at once; the progress window reports the end. Does nothing while a
// run is in progress. `convertFile` converts each file (the engine's own
// conversion unless a test watches the run).
void startConversion(WindowMode& mode, FileConversion convertFile = convertImageFile);

// The progress window of the run in progress, or nullptr.
ProgressWindow* activeProgressWindow(const WindowMode& mode);

}  // namespace tessaro
