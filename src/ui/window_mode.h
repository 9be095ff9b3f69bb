#pragma once

#include <memory>

#include "batch/job_progress.h"
#include "settings/conversion_job.h"
#include "settings/preferences_file.h"
#include "settings/settings.h"
#include "themes/theme_state.h"
#include "ui/main_window.h"
#include "ui/window_images.h"

namespace tessaro {

// Everything the window mode works on: the process's records, handed down by
// the entry, and the window mode's own pictures and main window.
struct WindowMode {
    Settings& settings;
    ConversionJob& job;
    JobProgress& progress;
    PreferencesFile preferences;
    ThemeState themes;
    WindowImages images;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tessaro
