#include "engine/watermark.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "engine/overlay.h"
#include "engine/watermark_font.h"
#include "engine/watermark_geometry.h"
#include "engine/watermark_overlays.h"
#include "settings/setting_codes.h"

namespace tessaro {
namespace {

// An overlay turned by an odd angle is turned whole while its width and height
// add up to no more than this, or than the page's when those are more: its
// shears then give exactly the pixels of the library's turn, and none of the
// shears' canvases has more than the square of that sum. Beyond it only the
// part that turns into view is turned.
constexpr int64_t wholeTurnExtent = 4096;

// The watermark before it is turned: the laid-out text block with its font,
// or the picture.
struct OverlaySource {
    PixelSize size;
    // How large its width and height together may be for it to be turned whole.
    int64_t wholeTurnExtent = 0;
    std::optional<TextBlock> block;
    const WatermarkFont* font = nullptr;
    Image picture;
};

// The part of the turned overlay the page shows, and where on the page.
struct ShownOverlay {
    Image part;
    int64_t left = 0;
    int64_t top = 0;
};

PixelSize sizeOf(const Image& image) {
    return {FreeImage_GetWidth(image.get()), FreeImage_GetHeight(image.get())};
}

// A copy of the part `part` of the image; no image when it does not lie
// within it.
Image copyPart(const Image& image, const PixelRect& part) {
    return Image(FreeImage_Copy(
        image.get(), static_cast<int>(part.left), static_cast<int>(part.top),
        static_cast<int>(part.left + part.width), static_cast<int>(part.top + part.height)));
}

// A piece of the watermark, before turning, as a 32-bit overlay of the
// piece's size. The picture is handed over when the piece is all of it, as
// each page draws its watermark once.
Image drawPiece(OverlaySource& source, const WatermarkSettings& watermark, const PixelRect& piece) {
    if (source.block) {
        return drawTextBlock(watermark, *source.block, *source.font, piece);
    }
    if (piece == PixelRect{0, 0, source.size.width, source.size.height}) {
        return std::move(source.picture);
    }
    return copyPart(source.picture, piece);
}

// The overlay turned by its angle; FreeImage grows the canvas to hold it and
// leaves the new corners transparent.
Image turnOverlay(Image overlay, int32_t angle) {
    if (!overlay || !turns(angle)) {
        return overlay;
    }
    return Image(FreeImage_Rotate(overlay.get(), angle, nullptr));
}

// Cuts from the turned piece, whose top-left corner lies at `piece`'s shift
// from the shown part's, what falls inside the shown part.
std::optional<ShownOverlay> cutShownPart(Image turned, const OverlayPiece& piece,
                                         const PixelRect& shown) {
    if (!turned) {
        return std::nullopt;
    }
    const PixelSize turnedSize = sizeOf(turned);
    const int64_t left = std::max<int64_t>(piece.shiftX, 0);
    const int64_t top = std::max<int64_t>(piece.shiftY, 0);
    const int64_t right = std::min(piece.shiftX + turnedSize.width, shown.width);
    const int64_t bottom = std::min(piece.shiftY + turnedSize.height, shown.height);
    if (right <= left || bottom <= top) {
        return std::nullopt;
    }
    const PixelRect cut{left - piece.shiftX, top - piece.shiftY, right - left, bottom - top};
    if (cut != PixelRect{0, 0, turnedSize.width, turnedSize.height}) {
        turned = copyPart(turned, cut);
    }
    if (!turned) {
        return std::nullopt;
    }
    return ShownOverlay{std::move(turned), shown.left + left, shown.top + top};
}

// Turns, fits and places the overlay, drawing no more of it than the page can
// show: pieces no larger than the shown part, or the whole overlay where an
// odd angle is turned whole.
std::optional<ShownOverlay> showOverlay(OverlaySource& source, const Settings& settings,
                                        int32_t width, int32_t height) {
    const Placement placement = placementOf(settings.watermark);
    const bool rightAngle = placement.rotation % 90 == 0;
    if (turns(placement.rotation) && !rightAngle &&
        source.size.width + source.size.height <= source.wholeTurnExtent) {
        Image turned = turnOverlay(
            drawPiece(source, settings.watermark, {0, 0, source.size.width, source.size.height}),
            placement.rotation);
        if (!turned) {
            return std::nullopt;
        }
        const std::optional<PixelRect> shown =
            shownPart(settings, placement, sizeOf(turned), width, height);
        if (!shown) {
            return std::nullopt;
        }
        return cutShownPart(std::move(turned), {}, *shown);
    }
    const std::optional<PixelRect> shown =
        shownPart(settings, placement, turnedSize(source.size, placement.rotation), width, height);
    if (!shown) {
        return std::nullopt;
    }
    const OverlayPiece piece =
        pieceToDraw(source.size, placement.rotation, {shown->width, shown->height});
    if (piece.source.width <= 0 || piece.source.height <= 0) {
        return std::nullopt;
    }
    return cutShownPart(
        turnOverlay(drawPiece(source, settings.watermark, piece.source), placement.rotation), piece,
        *shown);
}

std::optional<OverlaySource> textSource(const Settings& settings, const ConversionRequest& request,
                                        const PageFacts& page, const WatermarkFont* font) {
    if (font == nullptr) {
        return std::nullopt;
    }
    std::optional<TextBlock> block =
        layoutTextBlock(settings.watermark, expandWatermarkText(settings, request, page), *font);
    if (!block) {
        return std::nullopt;
    }
    OverlaySource source;
    source.size = block->size;
    source.wholeTurnExtent = std::max(wholeTurnExtent, int64_t{page.width} + page.height);
    source.block = std::move(block);
    source.font = font;
    return source;
}

// The picture is in memory whole already, so it is turned whole at any angle.
std::optional<OverlaySource> pictureSource(const WatermarkSettings& watermark) {
    Image picture = buildPictureOverlay(watermark);
    if (!picture) {
        return std::nullopt;
    }
    OverlaySource source;
    source.size = sizeOf(picture);
    source.wholeTurnExtent = source.size.width + source.size.height;
    source.picture = std::move(picture);
    return source;
}

std::optional<OverlaySource> overlaySource(const Settings& settings,
                                           const ConversionRequest& request, const PageFacts& page,
                                           const WatermarkFont* font) {
    if (settings.watermark.doWatermark == storedCode(WatermarkType::text)) {
        return textSource(settings, request, page, font);
    }
    if (settings.watermark.doWatermark == storedCode(WatermarkType::picture)) {
        return pictureSource(settings.watermark);
    }
    return std::nullopt;
}

}  // namespace

Image drawWatermark(Image image, const Settings& settings, const ConversionRequest& request,
                    const PageFacts& page, const WatermarkFont* font) {
    if (!image || settings.watermark.doWatermark == storedCode(WatermarkType::none)) {
        return image;
    }
    image = toTwentyFourBits(std::move(image));
    if (!image) {
        return image;
    }
    std::optional<OverlaySource> source = overlaySource(settings, request, page, font);
    if (!source) {
        return image;
    }
    const std::optional<ShownOverlay> shown =
        showOverlay(*source, settings, page.width, page.height);
    if (!shown) {
        return image;
    }

    // A transparent page-sized canvas with the shown part copied in. (FreeImage's
    // alpha-255 paste would blend every byte at 255/256, so the copy asks for a
    // plain combine.)
    Image canvas(FreeImage_Allocate(page.width, page.height, 32, FI_RGBA_RED_MASK,
                                    FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
    constexpr int plainCopy = 256;
    if (!canvas || !FreeImage_Paste(canvas.get(), shown->part.get(), static_cast<int>(shown->left),
                                    static_cast<int>(shown->top), plainCopy)) {
        return image;
    }
    return compositeOverlay(*canvas, std::move(image));
}

}  // namespace tessaro
