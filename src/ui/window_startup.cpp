#include "ui/window_startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QScreen>
#include <utility>

#include "batch/conversion_worker.h"
#include "engine/format_registry.h"
#include "l10n/string_table.h"
#include "l10n/text_case.h"
#include "platform/console_output.h"
#include "platform/process_ending.h"
#include "settings/preferences_file.h"
#include "settings/product_formats.h"
#include "settings/setting_codes.h"
#include "ui/main_commands.h"
#include "ui/qt_text.h"
#include "ui/selection.h"
#include "ui/stop_signals.h"
#include "ui/update_commands.h"

namespace tessaro {

namespace {

void fillOutputFormatList(WindowMode& mode) {
    QComboBox& list = *mode.window->outputFormatList;
    const QIcon icon = menuIcon(mode.images, "New");
    for (const std::string& key : productOutputFormats()) {
        const ImageFormat* format = findOutputFormat(key);
        const std::string description = format != nullptr ? std::string(format->description) : "";
        list.addItem(icon, toQString(upperCaseText(key) + " (" + description + ")"),
                     toQString(key));
    }
    list.setCurrentIndex(0);
}

WindowShape shapeOf(const MainWindow& window) {
    return {window.isMaximized(), window.isMinimized(), window.x(),
            window.y(),           window.width(),       window.height()};
}

// Ends the window mode from whatever state it is in, as SIGTERM, SIGINT and
// SIGHUP do, asking nothing.
void endWindowModeAtOnce(WindowMode& mode) {
    // The stop request goes in before a stop question's pause is released, so
    // the worker takes no further page or file; it is waited for when the
    // progress window goes with the main window.
    markProcessEnding();
    requestWorkerStop(mode.progress);
    resumeWorker(mode.progress);
    if (mode.window)
        shutDownWindowMode(mode);
    // Leaves every running event loop, the nested ones of questions, message
    // boxes and requesters included; a loop that starts afterwards returns at
    // once, and such a question counts as not answered with Yes.
    QCoreApplication::exit(0);
}

}  // namespace

DisplaySize primaryDisplaySize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    return {screen->size().width(), screen->size().height()};
}

void captureWindowGeometry(WindowSettings& window, const WindowShape& shape) {
    if (shape.maximized) {
        window.isMaximized = 1;
        return;
    }
    if (shape.minimized)
        return;
    window.isMaximized = 0;
    window.width = shape.width;
    window.height = shape.height;
    window.x = shape.x;
    window.y = shape.y;
}

void showMainWindow(WindowMode& mode) {
    loadStringTable();
    mode.images = loadWindowImages(mode.themes, mode.settings.interface);
    mode.window = std::make_unique<MainWindow>(mode.settings, mode.images);
    MainWindow& window = *mode.window;
    connectMainWindow(mode);
    if (mode.settings.window.isMaximized != 0)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    if (mode.settings.file.recentOutFolders.empty())
        window.outputFolderList->addItem(QString());
    fillOutputFormatList(mode);
    newJob(mode);
    window.show();
    QCoreApplication::postEvent(&window, new QResizeEvent(window.size(), window.size()));
}

void startWindowMode(WindowMode& mode) {
    mode.preferences = PreferencesFile{preferencesPath(true)};
    loadPreferences(mode.settings, mode.preferences, primaryDisplaySize());
    if (mode.preferences.unreadable)
        printErrorLine("Warning: " + mode.preferences.path + " cannot be read (" +
                       mode.preferences.unreadable->reason +
                       "): the defaults are used and the file is left unchanged");
    showMainWindow(mode);
    runScheduledUpdateCheck(mode);
}

bool shutDownWindowMode(WindowMode& mode) {
    captureWindowGeometry(mode.settings.window, shapeOf(*mode.window));
    if (mode.settings.advanced.outFoldersHistory == storedCode(OutFoldersHistory::cleanOnExit))
        mode.settings.file.recentOutFolders.clear();
    return savePreferences(mode.settings, mode.preferences).ok();
}

int runWindowMode(Settings& settings, ConversionJob& job, JobProgress& progress, int argc,
                  char** argv) {
    int qtArgc = argc;
    QApplication application(qtArgc, argv);
    WindowMode mode{settings, job, progress, {}, {}, {}, {}, {}};
    bool ending = false;
    // Watching from the start keeps a signal that arrives during the start-up
    // (the update question included) from ending the process unsaved.
    const StopSignalWatcher stopSignals([&mode, &ending] {
        if (std::exchange(ending, true))
            return;
        endWindowModeAtOnce(mode);
    });
    startWindowMode(mode);
    // The application's loop would forget an end asked for during the start-up.
    if (ending)
        return 0;
    QObject::connect(mode.window.get(), &MainWindow::closeRequested, &application,
                     &QCoreApplication::quit);
    QApplication::exec();
    if (!ending)
        shutDownWindowMode(mode);
    return 0;
}

}  // namespace tessaro
