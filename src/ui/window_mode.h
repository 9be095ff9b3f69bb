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

// What the main window must reload once the preferences dialog has stored new
// interface settings.
enum class WindowReload {
    nothing,
    everyPicture,  // the theme changed
    toolbar,       // only the icon size changed
};

// What the window mode remembers between its windows, in memory only.
struct WindowState {
    WindowReload pendingReload = WindowReload::nothing;
    int preferencesPage = 0;  // the page the preferences dialog opens on next
};

// Everything the window mode works on: the process's records, handed down by
// the entry, and the window mode's own pictures, main window and state.
struct WindowMode {
    Settings& settings;
    ConversionJob& job;
    JobProgress& progress;
    PreferencesFile preferences;
    ThemeState themes;
    WindowImages images;
    std::unique_ptr<MainWindow> window;
    WindowState state;
};

}  // namespace tessaro
