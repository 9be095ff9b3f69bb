#include "cli/console_run.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "batch/conversion_worker.h"
#include "batch/run_setup.h"
#include "cli/console_stop_signals.h"
#include "cli/settings_listing.h"
#include "engine/format_registry.h"
#include "engine/output_depth.h"
#include "engine/solid_frame.h"
#include "engine/watermark_font.h"
#include "l10n/format_message.h"
#include "l10n/product_identity.h"
#include "l10n/string_table.h"
#include "platform/console_output.h"
#include "settings/product_formats.h"
#include "settings/setting_codes.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

// The three kinds of line a run prints: printed always, said unless quiet,
// and debug lines only when debugging.
struct RunPrinter {
    const Settings& settings;
    bool quiet = false;
    bool debug = false;

    // Quiet runs never look their texts up, so they skip building the string
    // table's index altogether.
    void say(std::string_view group, std::string_view key, std::string_view s1 = {},
             std::string_view s2 = {}) const {
        if (!quiet)
            printLine(formatMessage(getText(group, key), s1, s2));
    }
    void debugLine(std::string_view label, std::string_view value) const {
        if (debug)
            printLine(std::string(label) + std::string(value));
    }
    void debugLines(const std::vector<std::string>& lines) const {
        if (debug)
            for (const std::string& line : lines)
                printLine(line);
    }
    void debugSection(ListingSection section) const {
        if (debug)
            debugLines(processingLines(settings, section));
    }
};

ProgramOutcome fail(std::string_view message) {
    printErrorLine(message);
    return ProgramOutcome::errorReported;
}

// The named input must be one existing, non-empty file. A relative name is
// taken from the current folder. The file's full path; nullopt when the name
// is no such file.
std::optional<std::string> resolveInputFile(const std::string& namedInput) {
    const fs::path named = namedInput;
    if (!named.has_extension())
        return std::nullopt;
    std::error_code error;
    fs::path full = fs::absolute(named, error);
    if (error || !isNonEmptyFile(full.string()))
        return std::nullopt;
    return full.string();
}

// A relative output folder is taken from the current folder; the text always
// ends in "/".
std::string absoluteFolderText(std::string folder) {
    if (!folder.starts_with('/')) {
        if (folder.starts_with("./"))
            folder.erase(0, 2);
        std::error_code error;
        std::string current = fs::current_path(error).string();
        if (!current.ends_with('/'))
            current += '/';
        folder = current + folder;
    }
    if (!folder.ends_with('/'))
        folder += '/';
    return folder;
}

}  // namespace

void printBanner() {
    std::string copyright = defaultWatermarkText;
    const std::string_view copyrightSign = "\u00a9";
    if (size_t at = copyright.find(copyrightSign); at != std::string::npos)
        copyright.replace(at, copyrightSign.size(), "(c)");
    printLine(productTitle(productName, programVersion));
    printLine(copyright);
    printLine(homePageAddress);
    printLine(" ");
}

ProgramOutcome runConsoleConversion(const Settings& settings, ConversionJob& job,
                                    JobProgress& progress, bool quiet) {
    const ConsoleStopSignals stopSignals;
    const RunPrinter printer{settings, quiet, job.runMode == RunMode::debug};
    printer.say("General", "Preparing");

    printer.debugLine("Input: ", job.namedInput);
    const std::optional<std::string> inputFile = resolveInputFile(job.namedInput);
    if (!inputFile)
        return fail("Error: Invalid input file");

    if (job.output.folder.empty())
        job.output.folder = fs::path(*inputFile).parent_path().string();
    printer.debugLine("Output: ", job.output.folder);
    if (job.output.folder.starts_with(".."))
        return fail("Error: Incorrect output folder");
    job.output.folder = absoluteFolderText(job.output.folder);
    std::error_code error;
    if (!fs::is_directory(job.output.folder, error))
        return fail("Error: Invalid output folder");

    if (job.inputFormat.empty())
        job.inputFormat = productInputFormats().front();
    if (job.output.formatKey.empty())
        job.output.formatKey = productOutputFormats().front();
    printer.debugLine("Conversion: ", job.output.formatKey);
    if (!isOutputFormat(job.output.formatKey))
        return fail("Error: Invalid conversion type");

    printer.debugLines(loadOptionLines(settings, job.inputFormat));
    printer.debugLines(saveOptionLines(settings, job.output.formatKey));
    int32_t OutputSettings::*depthField = bitDepthSetting(job.output.formatKey);
    if (depthField != nullptr && !isAllowedBpp(job.output.formatKey, settings.output.*depthField))
        return fail("Error: Invalid " + job.output.formatKey + "-bpp value");
    if (job.output.formatKey == "jpg" &&
        (settings.output.jpgQuality < 1 || settings.output.jpgQuality > 100))
        return fail("Error: Invalid jpg-quality value");

    const TransformSettings& transform = settings.transform;
    if (transform.doImageRotation != 0)
        printer.debugSection(ListingSection::rotation);
    if (transform.doImageResize != 0) {
        printer.debugSection(ListingSection::width);
        if (transform.imageWidth == 0)
            return fail("Error: Invalid width value");
        printer.debugSection(ListingSection::height);
        if (transform.imageHeight == 0)
            return fail("Error: Invalid height value");
        printer.debugSection(ListingSection::resize);
    }
    printer.debugSection(ListingSection::flips);

    const AdjustmentSettings& adjustment = settings.adjustment;
    if (adjustment.doImageColorCorrection != 0) {
        printer.debugSection(ListingSection::brightness);
        if (adjustment.imageBrightness < -100 || adjustment.imageBrightness > 100)
            return fail("Error: Invalid brightness value");
        printer.debugSection(ListingSection::contrast);
        if (adjustment.imageContrast < -100 || adjustment.imageContrast > 100)
            return fail("Error: Invalid contrast value");
        printer.debugSection(ListingSection::gamma);
        // Written as a range test that NaN fails.
        if (!(adjustment.imageGamma >= 0.01f && adjustment.imageGamma <= 9.99f))
            return fail("Error: Invalid gamma value");
        printer.debugSection(ListingSection::invert);
    }
    printer.debugSection(ListingSection::greyscale);
    if (adjustment.doImageThreshold != 0)
        printer.debugSection(ListingSection::threshold);

    printer.debugSection(ListingSection::frame);
    if (settings.frame.doFrame == storedCode(FrameType::solid))
        printer.debugSection(ListingSection::frameDetails);
    // A frame that cannot be drawn would leave every page without it, unreported.
    if (const Result<void> frame = loadFrameDrawing(settings); !frame)
        return fail("Error: " + frame.failure().reason);

    // The run owns the font from here to its end; only a text watermark loads one.
    std::unique_ptr<WatermarkFont> font;
    const WatermarkSettings& watermark = settings.watermark;
    printer.debugSection(ListingSection::watermark);
    if (watermark.doWatermark == storedCode(WatermarkType::text)) {
        printer.debugSection(ListingSection::textWatermark);
        auto load = loadRunWatermarkFont(watermark, consoleDotsPerInch);
        if (!load)
            return fail("Error: Invalid watermark font: " + load.failure().reason);
        font = std::move(load).value();
    }
    if (watermark.doWatermark == storedCode(WatermarkType::picture)) {
        printer.debugSection(ListingSection::imageWatermark);
        if (!isNonEmptyFile(watermark.image))
            return fail("Error: Invalid watermark image");
    }
    printer.debugSection(ListingSection::advanced);

    if (!prepareOutput(settings, job.output))
        return fail("Error: Invalid conversion type");

    printer.say("General", "Importing");
    const std::string extension = lowerCaseExtension(*inputFile);
    const bool isList = extension == "txt" || extension == "lst";
    const int32_t total = !isList && addInputFile(job, *inputFile) ? 1 : 0;
    printer.say("Msg", "Import complete", std::to_string(total));
    if (total == 0) {
        printLine(getText("Msg", "Conversion is not complete"));
        printLine(getText("Msg", "Empty input files"));
        return ProgramOutcome::conversionStopped;
    }

    printer.say("General", "Converting");
    startConversionWorker(settings, job, progress, font.get()).join();
    int32_t converted = 0;
    {
        std::lock_guard guard(progress.progressLock);
        converted = progress.convertedCount;
    }
    if (converted == 0) {
        printLine(getText("Msg", "Conversion is not complete"));
        return ProgramOutcome::conversionStopped;
    }
    printer.say("Msg", "Conversion complete");
    printer.say("Msg", "Files converted", std::to_string(converted), std::to_string(total));
    return ProgramOutcome::success;
}

}  // namespace tessaro
