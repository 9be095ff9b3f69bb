#include "ui/conversion_run.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "batch/input_queue.h"
#include "batch/run_setup.h"
#include "engine/output_depth.h"
#include "engine/solid_frame.h"
#include "l10n/format_message.h"
#include "l10n/string_table.h"
#include "settings/setting_codes.h"
#include "ui/folder_history.h"
#include "ui/progress_window.h"
#include "ui/qt_text.h"
#include "ui/selection.h"
#include "ui/user_dialogs.h"

namespace tessaro {

namespace {

// A refusal that marks the run as stopped in the status bar, so the bar
// never keeps "Preparing..." for a run that did not start.
void refuseRunWithMessage(MainWindow& window, const QString& message) {
    setStatusText(window, uiText("Msg", "Conversion is not complete"));
    showWarning(&window, message);
}

// A refusal with the "Msg" group's text `key`.
void refuseRun(MainWindow& window, std::string_view key, std::string_view s1 = {}) {
    refuseRunWithMessage(window, toQString(formatMessage(getText("Msg", key), s1)));
}

bool isFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// Returns false, with the run refused, when the run cannot start; a text
// watermark's font is left in `font`.
bool checkWatermark(MainWindow& window, const WatermarkSettings& watermark,
                    std::unique_ptr<WatermarkFont>& font) {
    if (watermark.doWatermark == storedCode(WatermarkType::text)) {
        auto load = loadRunWatermarkFont(watermark, window.logicalDpiY());
        if (!load) {
            // The name alone would hide a size that cannot be drawn.
            refuseRunWithMessage(
                window,
                toQString(formatMessage(getText("Msg", "Invalid watermark font"), watermark.font) +
                          "\n" + load.failure().reason));
            return false;
        }
        font = std::move(load).value();
    }
    if (watermark.doWatermark == storedCode(WatermarkType::picture)) {
        if (watermark.image.empty()) {
            refuseRun(window, "Empty watermark image");
            return false;
        }
        if (!isNonEmptyFile(watermark.image)) {
            refuseRun(window, "Invalid watermark image", watermark.image);
            return false;
        }
    }
    return true;
}

}  // namespace

ProgressWindow* activeProgressWindow(const WindowMode& mode) {
    for (ProgressWindow* window :
         mode.window->findChildren<ProgressWindow*>(Qt::FindDirectChildrenOnly))
        if (window->isVisible())
            return window;
    return nullptr;
}

void startConversion(WindowMode& mode, FileConversion convertFile) {
    // The worker reads the job and the settings without locking; nothing may
    // change them while it runs.
    if (activeProgressWindow(mode) != nullptr)
        return;
    MainWindow& window = *mode.window;
    ConversionJob& job = mode.job;
    const Settings& settings = mode.settings;

    job.namedInput = toUtf8(window.inputField->text().trimmed());
    job.inputFiles.clear();
    // A typed path chooses its folder for the output as a dropped file does.
    if (addInputFile(job, job.namedInput))
        proposeOutputFolder(mode, job.namedInput);
    job.output.folder = toUtf8(window.outputFolderList->currentText().trimmed());
    job.output.formatKey = toUtf8(window.outputFormatList->currentData().toString());
    setStatusText(window, uiText("General", "Preparing"));

    if (job.inputFiles.empty())
        return refuseRun(window, "Empty input files");
    if (job.output.folder.empty())
        return refuseRun(window, "Empty output folder");
    if (!job.output.folder.ends_with('/'))
        job.output.folder += '/';
    if (!isFolder(job.output.folder))
        return refuseRun(window, "Invalid output folder", job.output.folder);
    if (settings.transform.doImageResize != 0) {
        if (settings.transform.imageWidth == 0)
            return refuseRun(window, "Invalid width");
        if (settings.transform.imageHeight == 0)
            return refuseRun(window, "Invalid height");
    }
    // Without the drawing module every page would come out without its
    // frame, and the run would still report success.
    if (const Result<void> frame = loadFrameDrawing(settings); !frame)
        return refuseRunWithMessage(window, toQString(frame.failure().reason));
    std::unique_ptr<WatermarkFont> font;
    if (!checkWatermark(window, settings.watermark, font))
        return;
    if (!prepareOutput(settings, job.output))
        return refuseRun(window, "Invalid conversion type");

    addRecentOutputFolder(mode.settings, job.output.folder);
    refreshOutputFolderList(mode);
    setStatusText(window, uiText("General", "Converting"));
    auto* progressWindow = new ProgressWindow(mode, std::move(font), convertFile);
    progressWindow->start();
}

}  // namespace tessaro
