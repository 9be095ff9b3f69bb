#include "engine/watermark_geometry.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/rounding.h"
#include "engine/solid_frame.h"
#include "settings/setting_codes.h"

namespace tessaro {
namespace {

// Pixels around the part of an overlay that turns into the shown part: each of
// the three shears blends a pixel with its neighbour, and the turned piece
// may sit a pixel away from where the whole overlay would have put it.
constexpr int64_t shearMargin = 4;

struct SineCosine {
    double sine = 0;
    double cosine = 1;
};

// Sine and cosine of an angle from -45 to 45 degrees, summed from their
// series: the executable calls no libm (engine/rounding.h says why), and
// within this range twelve terms are exact to the last bit or so.
SineCosine smallAngleSineCosine(double degrees) {
    constexpr double pi = 3.1415926535897932384626433832795;
    const double radians = degrees * pi / 180.0;
    const double square = radians * radians;
    SineCosine result{0, 0};
    double sineTerm = radians;
    double cosineTerm = 1;
    for (int n = 1; n <= 12; ++n) {
        result.sine += sineTerm;
        result.cosine += cosineTerm;
        sineTerm *= -square / ((2.0 * n) * (2.0 * n + 1));
        cosineTerm *= -square / ((2.0 * n - 1) * (2.0 * n));
    }
    return result;
}

// Sine and cosine of a turning angle (1 to 359 degrees), from the nearest
// quarter turn and the small rest.
SineCosine sineCosine(int32_t degrees) {
    const int32_t quarter = (degrees + 45) / 90;
    const SineCosine rest = smallAngleSineCosine(degrees - 90.0 * quarter);
    switch (quarter % 4) {
        case 1:
            return {rest.cosine, -rest.sine};
        case 2:
            return {-rest.sine, -rest.cosine};
        case 3:
            return {-rest.cosine, rest.sine};
        default:
            return rest;
    }
}

PixelRect placementArea(const Settings& settings, int8_t boundary, int32_t width, int32_t height) {
    if (settings.frame.doFrame == storedCode(FrameType::none) ||
        boundary != storedCode(PlacementArea::frame)) {
        return {0, 0, width, height};
    }
    const FrameBands bands = frameBands(settings.frame, width, height);
    return {bands.left, bands.top, int64_t{width} - bands.left - bands.right,
            int64_t{height} - bands.top - bands.bottom};
}

// The part's top-left corner for one of the nine positions, numbered row by
// row from the top-left; centred coordinates ignore the offsets. A number
// that is no position puts the part in the area's top-left corner.
std::pair<int64_t, int64_t> cornerFor(const PixelRect& area, const Placement& placement,
                                      PixelSize part) {
    if (!codeOf<AnchorPosition>(placement.position)) {
        return {area.left, area.top};
    }
    const std::array<int64_t, 3> columns{placement.xOffset, (area.width - part.width) / 2,
                                         area.width - part.width - placement.xOffset};
    const std::array<int64_t, 3> rows{placement.yOffset, (area.height - part.height) / 2,
                                      area.height - part.height - placement.yOffset};
    return {area.left + columns[placement.position % 3], area.top + rows[placement.position / 3]};
}

}  // namespace

Placement placementOf(const WatermarkSettings& watermark) {
    if (watermark.doWatermark == storedCode(WatermarkType::text)) {
        return {watermark.textRotation, watermark.textXOffset, watermark.textYOffset,
                watermark.textBoundary, watermark.textPosition};
    }
    return {watermark.imageRotation, watermark.imageXOffset, watermark.imageYOffset,
            watermark.imageBoundary, watermark.imagePosition};
}

bool turns(int32_t angle) {
    return angle >= 1 && angle <= 359;
}

PixelSize turnedSize(PixelSize size, int32_t angle) {
    if (!turns(angle)) {
        return size;
    }
    // FreeImage turns clockwise by 360 - angle on its bottom-up rows: first by
    // a quarter turn or two, then by at most 45 degrees with three shears.
    double rest = 360.0 - angle;
    if (rest > 45 && rest <= 135) {
        std::swap(size.width, size.height);
        rest -= 90;
    } else if (rest > 135 && rest <= 225) {
        rest -= 180;
    } else if (rest > 225 && rest <= 315) {
        std::swap(size.width, size.height);
        rest -= 270;
    }
    if (rest == 0) {
        return size;
    }
    const SineCosine turn = smallAngleSineCosine(rest);
    const double sine = turn.sine < 0 ? -turn.sine : turn.sine;
    const auto width = static_cast<double>(size.width);
    const auto height = static_cast<double>(size.height);
    return {static_cast<int64_t>(height * sine + width * turn.cosine + 0.5) + 1,
            static_cast<int64_t>(width * sine + height * turn.cosine + 0.5) + 1};
}

std::optional<PixelRect> shownPart(const Settings& settings, const Placement& placement,
                                   PixelSize turned, int32_t pageWidth, int32_t pageHeight) {
    const PixelRect area = placementArea(settings, placement.boundary, pageWidth, pageHeight);
    PixelSize part = turned;
    if (part.width + placement.xOffset > area.width) {
        part.width = area.width - placement.xOffset;
    }
    if (part.height + placement.yOffset > area.height) {
        part.height = area.height - placement.yOffset;
    }
    if (part.width <= 0 || part.height <= 0) {
        return std::nullopt;
    }
    const auto [left, top] = cornerFor(area, placement, part);
    if (left < 0 || top < 0 || left + part.width > pageWidth || top + part.height > pageHeight) {
        return std::nullopt;
    }
    return PixelRect{left, top, part.width, part.height};
}

OverlayPiece pieceToDraw(PixelSize overlay, int32_t angle, PixelSize shown) {
    // A quarter turn to the left brings the overlay's top-right corner to the
    // top-left, so the shown part comes from there; likewise for the others.
    if (!turns(angle)) {
        return {{0, 0, shown.width, shown.height}};
    }
    switch (angle) {
        case 90:
            return {{overlay.width - shown.height, 0, shown.height, shown.width}};
        case 180:
            return {{overlay.width - shown.width, overlay.height - shown.height, shown.width,
                     shown.height}};
        case 270:
            return {{0, overlay.height - shown.width, shown.height, shown.width}};
        default:
            break;
    }
    // The turn keeps the centres together: a point (x, y) from the overlay's
    // centre lands at (x cos + y sin, y cos - x sin) from the turned centre.
    const SineCosine turn = sineCosine(angle);
    const PixelSize turned = turnedSize(overlay, angle);
    const double overlayCentreX = overlay.width / 2.0;
    const double overlayCentreY = overlay.height / 2.0;
    double left = static_cast<double>(overlay.width);
    double top = static_cast<double>(overlay.height);
    double right = 0;
    double bottom = 0;
    for (const auto& [x, y] : {std::pair<int64_t, int64_t>{0, 0},
                               {shown.width, 0},
                               {0, shown.height},
                               {shown.width, shown.height}}) {
        const double fromCentreX = static_cast<double>(x) - turned.width / 2.0;
        const double fromCentreY = static_cast<double>(y) - turned.height / 2.0;
        const double sourceX = fromCentreX * turn.cosine - fromCentreY * turn.sine + overlayCentreX;
        const double sourceY = fromCentreX * turn.sine + fromCentreY * turn.cosine + overlayCentreY;
        left = std::min(left, sourceX);
        top = std::min(top, sourceY);
        right = std::max(right, sourceX);
        bottom = std::max(bottom, sourceY);
    }
    const int64_t pieceLeft = std::max<int64_t>(0, roundHalfAwayFromZero(left) - shearMargin);
    const int64_t pieceTop = std::max<int64_t>(0, roundHalfAwayFromZero(top) - shearMargin);
    const int64_t pieceRight =
        std::min<int64_t>(overlay.width, roundHalfAwayFromZero(right) + shearMargin);
    const int64_t pieceBottom =
        std::min<int64_t>(overlay.height, roundHalfAwayFromZero(bottom) + shearMargin);
    if (pieceRight <= pieceLeft || pieceBottom <= pieceTop) {
        return {};
    }
    const PixelRect source{pieceLeft, pieceTop, pieceRight - pieceLeft, pieceBottom - pieceTop};
    const double pieceX = pieceLeft + source.width / 2.0 - overlayCentreX;
    const double pieceY = pieceTop + source.height / 2.0 - overlayCentreY;
    const PixelSize turnedPiece = turnedSize({source.width, source.height}, angle);
    const double turnedX = pieceX * turn.cosine + pieceY * turn.sine + turned.width / 2.0;
    const double turnedY = pieceY * turn.cosine - pieceX * turn.sine + turned.height / 2.0;
    return {source, roundHalfAwayFromZero(turnedX - turnedPiece.width / 2.0),
            roundHalfAwayFromZero(turnedY - turnedPiece.height / 2.0)};
}

}  // namespace tessaro
