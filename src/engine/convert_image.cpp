#include "engine/convert_image.h"

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "engine/adjust_colors.h"
#include "engine/apply_threshold.h"
#include "engine/atomic_save.h"
#include "engine/flatten_transparency.h"
#include "engine/flip_image.h"
#include "engine/icon_check.h"
#include "engine/icon_decoder.h"
#include "engine/make_greyscale.h"
#include "engine/naming/output_path.h"
#include "engine/output_depth.h"
#include "engine/output_folders.h"
#include "engine/page_selection.h"
#include "engine/page_suffix.h"
#include "engine/readable_icon.h"
#include "engine/resize_image.h"
#include "engine/rotate_image.h"
#include "engine/solid_frame.h"
#include "platform/process_ending.h"
#include "platform/random_seed.h"
#include "platform/regular_file.h"

namespace tessaro {

namespace {

// The icon's bytes as the decoder reads them, with the check's findings, and
// the decoders opened over them: one as stored, and one that turns the AND
// mask into alpha, opened only when a selected page has masked pixels. Each
// page is decoded by one of them, once.
struct OpenIcon {
    std::vector<uint8_t> bytes;
    IconCheck check;
    std::optional<IconDecoder> asStored;
    std::optional<IconDecoder> withMaskAlpha;
};

int32_t widthOf(const Image& image) {
    return image ? static_cast<int32_t>(FreeImage_GetWidth(image.get())) : 0;
}

int32_t heightOf(const Image& image) {
    return image ? static_cast<int32_t>(FreeImage_GetHeight(image.get())) : 0;
}

// A classic page whose mask hides pixels enters the chain as a 32-bit image
// with alpha from the mask, so the hidden pixels end up white like the
// transparent pixels of 32-bit pages; any other page enters as stored, as a
// standard bitmap.
Image decodePage(OpenIcon& icon, int32_t page) {
    const bool masked = icon.check.pages[page].maskMarksPixels;
    std::optional<IconDecoder>& decoder = masked ? icon.withMaskAlpha : icon.asStored;
    if (!decoder)
        decoder = openIconDecoder(icon.bytes, masked ? ICO_MAKEALPHA : 0);
    return decoder ? toStandardBitmap(clonePage(*decoder, page)) : nullptr;
}

// Rotation to watermark, with the transparency flattened between resizing and
// flipping. Records the size after geometry, which the frame and watermark
// use, and the depth the page is saved with.
Image runChain(Image image, const Settings& settings, const ConversionRequest& request,
               PageFacts& page, const WatermarkFont* font) {
    image = rotateImage(std::move(image), settings);
    // The size is read before the call: the image argument may be moved from
    // before the other arguments are evaluated.
    const int32_t rotatedWidth = widthOf(image);
    const int32_t rotatedHeight = heightOf(image);
    image = resizeImage(std::move(image), rotatedWidth, rotatedHeight, settings);
    page.width = widthOf(image);
    page.height = heightOf(image);
    image = flattenOntoWhite(std::move(image));
    image = flipImage(std::move(image), settings);
    image = adjustColors(std::move(image), settings);
    image = makeGreyscale(std::move(image), settings);
    image = applyThreshold(std::move(image), settings);
    image = drawFrame(std::move(image), page.width, page.height, settings);
    image = drawWatermark(std::move(image), settings, request, page, font);
    return convertToTargetDepth(std::move(image), request.output, page.depth);
}

bool isInputFile(const std::string& savePath, const std::string& inputPath) {
    std::error_code error;
    return std::filesystem::equivalent(savePath, inputPath, error) && !error;
}

void recordFailure(ConversionResult& result, ConversionFailure failure, std::string path,
                   std::string reason) {
    if (result.failure == ConversionFailure::none)
        result.failure = failure;
    result.failedPages.push_back(FailedPage{std::move(path), std::move(reason)});
}

// Converts and saves one selected page, recording the file it wrote or why
// it wrote none.
void convertPage(OpenIcon& icon, int32_t page, bool numberPages, const Settings& settings,
                 const ConversionRequest& request, const WatermarkFont* font,
                 ConversionResult& result) {
    const std::string pageName = "page " + std::to_string(page + 1);
    const IconPageCheck& pageCheck = icon.check.pages[page];
    if (!pageCheck.valid()) {
        return recordFailure(result, ConversionFailure::pageRefused, request.inputPath,
                             pageName + ": " + std::string(describeFault(pageCheck.fault)));
    }
    Image image = decodePage(icon, page);
    if (!image || widthOf(image) == 0 || heightOf(image) == 0) {
        return recordFailure(result, ConversionFailure::pageNotDecoded, request.inputPath,
                             pageName + " could not be decoded");
    }
    const OutputRequest& output = request.output;
    PageFacts& facts = result.page;
    facts.sourceDepth = pageCheck.maskMarksPixels
                            ? pageCheck.bitCount
                            : static_cast<int32_t>(FreeImage_GetBPP(image.get()));
    facts.depth = output.automaticDepth() ? autoTargetDepth(output.formatKey, facts.sourceDepth)
                                          : output.bitDepth;

    image = runChain(std::move(image), settings, request, facts, font);
    result.outputPath = buildOutputPath(settings, request, facts);
    std::string savePath = numberPages
                               ? withPageNumber(result.outputPath, output.formatKey, page + 1)
                               : result.outputPath;

    if (!image) {
        return recordFailure(result, ConversionFailure::noImage, std::move(savePath),
                             "the page could not be converted");
    }
    if (isInputFile(savePath, request.inputPath)) {
        return recordFailure(result, ConversionFailure::wouldOverwriteInput, std::move(savePath),
                             "this is the input file, which is never written over");
    }
    if (Result<void> folder = prepareFolderOf(savePath, output.folder); !folder) {
        return recordFailure(result, ConversionFailure::outputFolderMissing, std::move(savePath),
                             folder.failure().reason);
    }
    if (Result<void> saved =
            saveImageAtomically(image.get(), output.fif, savePath, output.saveFlags);
        !saved) {
        return recordFailure(result, ConversionFailure::saveFailed, std::move(savePath),
                             saved.failure().reason);
    }
    result.writtenFiles.push_back(std::move(savePath));
}

}  // namespace

ConversionResult convertImageFile(const Settings& settings, const ConversionRequest& request,
                                  const WatermarkFont* font) {
    Result<std::vector<uint8_t>> bytes = readRegularFile(request.inputPath, maxIconFileBytes);
    if (!bytes) {
        ConversionResult result;
        recordFailure(result, ConversionFailure::unreadableFile, request.inputPath,
                      bytes.failure().reason);
        return result;
    }
    return convertIconBytes(std::move(*bytes), settings, request, font);
}

ConversionResult convertIconBytes(std::vector<uint8_t> bytes, const Settings& settings,
                                  const ConversionRequest& request, const WatermarkFont* font) {
    ConversionResult result;
    OpenIcon icon;
    icon.bytes = std::move(bytes);
    icon.check = checkIcon(icon.bytes);
    if (!icon.check.valid()) {
        recordFailure(result, ConversionFailure::notAnIcon, request.inputPath,
                      std::string(describeFault(icon.check.fault)));
        return result;
    }
    icon.bytes = decoderReadableIcon(std::move(icon.bytes), icon.check);

    const int32_t pageCount = static_cast<int32_t>(icon.check.pages.size());
    std::mt19937 random(randomSeed());
    const PageRange pages = selectPages(settings.input.icoFrameLoading, pageCount, random);
    const bool numberPages = pages.first != pages.last;
    // A process that is ending keeps the pages written so far and takes no
    // further one.
    for (int32_t page = pages.first; page <= pages.last && !processEnding(); ++page)
        convertPage(icon, page, numberPages, settings, request, font, result);
    result.converted = result.failure == ConversionFailure::none;
    return result;
}

}  // namespace tessaro
