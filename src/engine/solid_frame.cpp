#include "engine/solid_frame.h"

#include <algorithm>
#include <array>

#include "engine/hex_color.h"
#include "engine/overlay.h"
#include "platform/drawing_module.h"
#include "settings/setting_codes.h"

namespace tessaro {
namespace {

// Shares `extent` between two bands that would overlap, in proportion to their
// widths.
void clampPair(int32_t& first, int32_t& second, int32_t extent) {
    first = std::max(first, 0);
    second = std::max(second, 0);
    const int64_t total = static_cast<int64_t>(first) + second;
    if (total <= extent) {
        return;
    }
    first = static_cast<int32_t>((static_cast<int64_t>(first) * extent + total / 2) / total);
    second = extent - first;
}

void fill(const TessaroDrawingApi& api, TessaroCanvas& canvas,
          std::initializer_list<TessaroPoint> points, TessaroColor color) {
    api.fillPolygon(&canvas, points.begin(), static_cast<int32_t>(points.size()), color, 1);
}

// The frame on a transparent canvas: the corner squares first, then the four
// mitred bands over them, so that the anti-aliased diagonal of each joint
// blends with the neighbouring band's colour instead of with transparency.
Canvas drawBands(const TessaroDrawingApi& api, int32_t w, int32_t h, const FrameBands& bands,
                 const FrameSettings& frame) {
    Canvas canvas = createCanvas(api, w, h);
    if (!canvas) {
        return canvas;
    }
    const int32_t l = bands.left;
    const int32_t r = bands.right;
    const int32_t t = bands.top;
    const int32_t b = bands.bottom;
    const TessaroColor top = drawingColor(parseHexColorAlpha(frame.solidTopColor, 255));
    const TessaroColor right = drawingColor(parseHexColorAlpha(frame.solidRightColor, 255));
    const TessaroColor bottom = drawingColor(parseHexColorAlpha(frame.solidBottomColor, 255));
    const TessaroColor left = drawingColor(parseHexColorAlpha(frame.solidLeftColor, 255));

    fill(api, *canvas, {{0, 0}, {l, 0}, {l, t}, {0, t}}, top);
    fill(api, *canvas, {{w - r, 0}, {w, 0}, {w, t}, {w - r, t}}, right);
    fill(api, *canvas, {{w - r, h - b}, {w, h - b}, {w, h}, {w - r, h}}, bottom);
    fill(api, *canvas, {{0, h - b}, {l, h - b}, {l, h}, {0, h}}, left);

    fill(api, *canvas, {{0, 0}, {w, 0}, {w - r, t}, {l, t}}, top);
    fill(api, *canvas, {{w, 0}, {w, h}, {w - r, h - b}, {w - r, t}}, right);
    fill(api, *canvas, {{w, h}, {0, h}, {l, h - b}, {w - r, h - b}}, bottom);
    fill(api, *canvas, {{0, h}, {0, 0}, {l, t}, {l, h - b}}, left);
    return canvas;
}

}  // namespace

FrameBands frameBands(const FrameSettings& frame, int32_t width, int32_t height) {
    FrameBands bands{frame.solidLeft, frame.solidRight, frame.solidTop, frame.solidBottom};
    clampPair(bands.left, bands.right, std::max(width, 0));
    clampPair(bands.top, bands.bottom, std::max(height, 0));
    return bands;
}

Result<void> loadFrameDrawing(const Settings& settings) {
    if (settings.frame.doFrame != storedCode(FrameType::solid))
        return {};
    if (const Result<DrawingModule>& module = drawingModule(); !module)
        return module.failure();
    return {};
}

Image drawFrame(Image image, int32_t width, int32_t height, const Settings& settings) {
    const FrameSettings& frame = settings.frame;
    if (!image || frame.doFrame == storedCode(FrameType::none)) {
        return image;
    }
    image = toTwentyFourBits(std::move(image));
    if (!image || frame.doFrame != storedCode(FrameType::solid) || width <= 0 || height <= 0) {
        return image;
    }
    const Result<DrawingModule>& module = drawingModule();
    if (!module)
        return image;
    const TessaroDrawingApi& api = *module->api;
    Canvas bands = drawBands(api, width, height, frameBands(frame, width, height), frame);
    Canvas blended = createCanvas(api, width, height);
    if (!bands || !blended) {
        return image;
    }
    const auto opacity = static_cast<uint8_t>(std::clamp(frame.solidOpacity, 0, 255));
    api.paintCanvas(blended.get(), bands.get(), opacity);
    Image overlay = canvasToBitmap(api, *blended, width, height);
    if (!overlay) {
        return image;
    }
    return compositeOverlay(*overlay, std::move(image));
}

}  // namespace tessaro
