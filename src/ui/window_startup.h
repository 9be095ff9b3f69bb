#pragma once

#include "batch/job_progress.h"
#include "settings/conversion_job.h"
#include "settings/reset_settings.h"
#include "settings/settings.h"
#include "ui/window_mode.h"

namespace tessaro {

// The window's shape when the window mode ends.
struct WindowShape {
    bool maximized = false;
    bool minimized = false;
    int x = 0;  // outer position
    int y = 0;
    int width = 0;  // inner size
    int height = 0;
};

// A maximised window keeps its last normal size and position and is stored
// as maximised; a minimised one changes nothing.
void captureWindowGeometry(WindowSettings& window, const WindowShape& shape);

// The primary screen's size; the default size when there is no screen.
DisplaySize primaryDisplaySize();

// Loads the preferences, shows the main window and asks about updates when
// the update range says it is time. Needs a QApplication.
void startWindowMode(WindowMode& mode);

// Loads the texts and the pictures, creates the main window from the
// settings as they are, starts a fresh job and shows the window.
void showMainWindow(WindowMode& mode);

// Stores the window geometry, empties the folder history when it is not to be
// kept, and saves the preferences. False when config.ini could not be written.
bool shutDownWindowMode(WindowMode& mode);

// The whole window mode: Qt, the start-up, the event loop until the main
// window is closed, and the shutdown. SIGTERM, SIGINT and SIGHUP end it from
// any state, from the start-up's questions on: a running worker is asked to
// stop after the page in hand (also while the stop question holds it), the
// preferences are saved at once, and every event loop is left without asking
// anything. Returns the process exit status.
int runWindowMode(Settings& settings, ConversionJob& job, JobProgress& progress, int argc,
                  char** argv);

}  // namespace tessaro
