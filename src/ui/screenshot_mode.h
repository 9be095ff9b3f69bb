#pragma once

#include <QImage>
#include <QSize>
#include <optional>
#include <string>

#include "batch/job_progress.h"
#include "platform/result.h"
#include "settings/conversion_job.h"
#include "settings/settings.h"
#include "ui/main_window.h"

namespace tessaro {

inline constexpr const char* screenshotFileName = "tessaro1.jpg";
inline constexpr const char* thumbnailFileName = "tessaro1x.jpg";
inline constexpr int thumbnailWidth = 180;

// The folder the pictures go to, ending in "/": `given`, or the executable's
// folder when `given` is empty. Nothing when it is not an existing folder.
std::optional<std::string> screenshotFolderFor(const std::string& given);

// 180 pixels wide, the height in proportion, rounded to the nearest pixel.
QSize thumbnailSize(QSize picture);

// What a user would see in the main window: an icon in the input field and a
// chosen output folder, the keyboard on the Convert button.
void fillDemonstrationContent(MainWindow& window);

// The window as it is drawn, with the vendor's home page address in its
// lower right corner.
QImage captionedCapture(QWidget& window);

// Writes `picture` as tessaro1.jpg and its smoothed 180-pixel-wide copy as
// tessaro1x.jpg into `folder`, each replacing an older file only once it is
// completely written. The failure says which could not be written and why.
Result<void> saveScreenshots(const QImage& picture, const std::string& folder);

// The whole "-T" run: the main window at 400, 400 with 510 x 260 pixels and
// demonstration content, half a second for it to settle, then the two
// pictures. The settings are the console mode's defaults; config.ini is
// neither read nor written and no update check runs. Returns 0, or 1 after
// an "Error: " line on standard error when nothing or not everything was
// written.
int runScreenshotMode(Settings& settings, ConversionJob& job, JobProgress& progress,
                      const std::string& folder, int argc, char** argv);

}  // namespace tessaro
