#pragma once

#include <cstdint>
#include <optional>

#include "settings/settings.h"

namespace tessaro {

// Sizes and rectangles of the watermark, worked out in 64 bits: offsets,
// padding and leading are any long the settings hold, and their sums must not
// overflow before they are compared with the page.
struct PixelSize {
    int64_t width = 0;
    int64_t height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int64_t left = 0;
    int64_t top = 0;
    int64_t width = 0;
    int64_t height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The placement settings of the text or of the picture.
struct Placement {
    int32_t rotation = 0;
    int32_t xOffset = 0;
    int32_t yOffset = 0;
    int8_t boundary = 0;
    int8_t position = 0;
};
Placement placementOf(const WatermarkSettings& watermark);

// Whether the overlay is turned at all: only angles from 1 to 359 turn it.
bool turns(int32_t angle);

// The size FreeImage_Rotate gives an overlay of `size` turned by `angle`: the
// same size for 180, width and height swapped for 90 and 270, the grown
// canvas of its three shears otherwise. Worked out from a sine and cosine
// that may differ from the library's in their last bit, so an odd angle's
// size could now and then be a pixel off; the watermark relies on it for odd
// angles only where the whole overlay is too large to turn.
PixelSize turnedSize(PixelSize size, int32_t angle);

// Where the page shows the turned overlay: its top-left `width` x `height`
// part, with that part's top-left corner at (`left`, `top`) on the page. The
// overlay is fitted between the offsets and the area's far edges and placed
// at one of nine positions; nothing is shown when fitting leaves nothing or
// when the part would not lie wholly on the page (FreeImage refuses such a
// paste).
std::optional<PixelRect> shownPart(const Settings& settings, const Placement& placement,
                                   PixelSize turned, int32_t pageWidth, int32_t pageHeight);

// The piece of the overlay (before turning) to draw and turn so that the
// shown part can be cut from it, and where the turned piece's top-left corner
// lies relative to the shown part's (`shiftX`, `shiftY`).
struct OverlayPiece {
    PixelRect source;
    int64_t shiftX = 0;
    int64_t shiftY = 0;
};

// Unturned and right-angle-turned overlays give exactly the part that is
// shown. For another angle the piece is the part of the overlay that turns
// into the shown part, with a margin for the shears' blending, placed where
// turning the whole overlay would have put it (to within a pixel). A piece
// without pixels means the shown part holds nothing of the overlay.
OverlayPiece pieceToDraw(PixelSize overlay, int32_t angle, PixelSize shown);

}  // namespace tessaro
