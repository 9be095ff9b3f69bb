#include "ui/screenshot_mode.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "l10n/product_identity.h"
#include "platform/program_folder.h"
#include "settings/product_formats.h"
#include "ui/qt_text.h"
#include "ui/window_mode.h"
#include "ui/window_startup.h"

namespace tessaro {

namespace {

constexpr int windowX = 400;
constexpr int windowY = 400;
constexpr int settleMilliseconds = 500;
constexpr int jpegQuality = 90;  // 9 on a scale of 0 to 10
constexpr int captionRightDistance = 35;
constexpr int captionTopDistance = 26;  // from the bottom edge

constexpr const char* demonstrationInputStem = "/home/user/images/brimvale.";
constexpr const char* demonstrationOutputFolder = "/home/user/converted/";

Result<void> saveJpeg(const QImage& picture, const std::string& path) {
    QSaveFile file(toQString(path));
    if (!file.open(QIODevice::WriteOnly))
        return Failure{"Cannot write " + path + ": " + toUtf8(file.errorString())};
    if (!picture.save(&file, "JPG", jpegQuality)) {
        file.cancelWriting();
        return Failure{"Cannot encode " + path + " as JPEG."};
    }
    if (!file.commit())
        return Failure{"Cannot write " + path + ": " + toUtf8(file.errorString())};
    return {};
}

void waitForTheWindowToSettle(MainWindow& window) {
    QEventLoop loop;
    QTimer::singleShot(settleMilliseconds, &loop, &QEventLoop::quit);
    QObject::connect(&window, &MainWindow::closeRequested, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

std::optional<std::string> screenshotFolderFor(const std::string& given) {
    std::string folder = given.empty() ? programFolder() : given;
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error))
        return std::nullopt;
    if (!folder.ends_with('/'))
        folder += '/';
    return folder;
}

QSize thumbnailSize(QSize picture) {
    if (picture.width() <= 0)
        return {};
    const double height = double(thumbnailWidth) * picture.height() / picture.width();
    return {thumbnailWidth, static_cast<int>(std::lround(height))};
}

void fillDemonstrationContent(MainWindow& window) {
    const std::vector<std::string>& inputFormats = productInputFormats();
    const std::string format = inputFormats.empty()
                                   ? std::string()
                                   : inputFormats[QRandomGenerator::global()->bounded(
                                         static_cast<quint32>(inputFormats.size()))];
    window.inputField->setText(toQString(demonstrationInputStem + format));
    window.outputFolderList->addItem(menuIcon(window.images, "FavFolder"),
                                     QString::fromUtf8(demonstrationOutputFolder));
    window.outputFolderList->setCurrentIndex(window.outputFolderList->count() - 1);
    window.outputFormatList->setFocus();
    window.outputFolderList->setFocus();
    window.convertButton->setFocus();
}

QImage captionedCapture(QWidget& window) {
    QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString caption = toQString(homePageAddress);
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(caption);
    const QRect place(picture.width() - captionRightDistance - width,
                      picture.height() - captionTopDistance, width, metrics.height());
    painter.drawText(place, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    return picture;
}

Result<void> saveScreenshots(const QImage& picture, const std::string& folder) {
    if (Result<void> saved = saveJpeg(picture, folder + screenshotFileName); !saved)
        return saved;
    const QImage thumbnail = picture.scaled(thumbnailSize(picture.size()), Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation);
    return saveJpeg(thumbnail, folder + thumbnailFileName);
}

int runScreenshotMode(Settings& settings, ConversionJob& job, JobProgress& progress,
                      const std::string& folder, int argc, char** argv) {
    const std::optional<std::string> target = screenshotFolderFor(folder);
    if (!target) {
        std::cerr << "Error: The screenshot folder " << (folder.empty() ? programFolder() : folder)
                  << " does not exist.\n";
        return 1;
    }
    QApplication application(argc, argv);
    settings.window.isMaximized = 0;
    settings.window.x = windowX;
    settings.window.y = windowY;
    settings.window.width = mainWindowWidth;
    settings.window.height = mainWindowHeight;
    WindowMode mode{settings, job, progress, {}, {}, {}, {}, {}};
    showMainWindow(mode);
    mode.window->activateWindow();
    fillDemonstrationContent(*mode.window);
    waitForTheWindowToSettle(*mode.window);

    if (const Result<void> saved = saveScreenshots(captionedCapture(*mode.window), *target);
        !saved) {
        std::cerr << "Error: " << saved.failure().reason << '\n';
        return 1;
    }
    return 0;
}

}  // namespace tessaro
