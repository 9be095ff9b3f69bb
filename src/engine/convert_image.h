#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/page_facts.h"
#include "engine/watermark.h"
#include "settings/conversion_request.h"
#include "settings/settings.h"

namespace tessaro {

enum class ConversionFailure {
    none,
    unreadableFile,       // missing, unreadable, or larger than an icon may be
    notAnIcon,            // the icon check refused the header or directory
    pageRefused,          // the icon check refused a selected page
    pageNotDecoded,       // the decoder gave no picture for a selected page
    noImage,              // a step of the chain gave no image
    outputFolderMissing,  // or the page's folder below it could not be made
    wouldOverwriteInput,  // the save path is the input file itself
    saveFailed,
};

// A page that was not saved, or the input file when no page could be reached.
struct FailedPage {
    std::string path;    // the page's save path; the input file before the page had one
    std::string reason;  // why, as a message shows it after the path
};

struct ConversionResult {
    // True only when every selected page was saved.
    bool converted = false;
    // Every file written, in page order; the caller gives each its file time.
    std::vector<std::string> writtenFiles;
    // The first failure met; none when converted.
    ConversionFailure failure = ConversionFailure::none;
    // Every failure, in page order; empty when converted.
    std::vector<FailedPage> failedPages;
    // The last page that was decoded: its size after geometry, its depths.
    PageFacts page;
    // That page's save path without the page number; "" when no page got one.
    std::string outputPath;
};

// Converts the icon at `request.inputPath`: its selected pages run through the
// chain and are saved in the requested output format under names from the
// file-name mask, each page of a multi-page "All Frames" run with "[k]" before
// the extension. Never throws and never reports.
ConversionResult convertImageFile(const Settings& settings, const ConversionRequest& request,
                                  const WatermarkFont* font);

// The same for an icon whose bytes are already in memory; `request.inputPath`
// still names the file they stand for, for the file-name mask and so that
// the input file is never written over.
ConversionResult convertIconBytes(std::vector<uint8_t> bytes, const Settings& settings,
                                  const ConversionRequest& request, const WatermarkFont* font);

}  // namespace tessaro
