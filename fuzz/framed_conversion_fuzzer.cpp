// Converts one in-memory icon with a half-transparent frame and a text
// watermark, so every page also goes through the drawing module.
#include <memory>

#include "engine/watermark_font.h"
#include "icon_conversion.h"

namespace {

using tessaro::Settings;

// Bands of different widths, the bottom one wider than small pages, so
// clamping and the watermark area inside the frame are both reached.
Settings framedSettings() {
    Settings settings = tessaro::fuzz::consoleDefaults();
    tessaro::FrameSettings& frame = settings.frame;
    frame.doFrame = 1;
    frame.solidLeft = 3;
    frame.solidRight = 1;
    frame.solidTop = 2;
    frame.solidBottom = 40;
    frame.solidLeftColor = "FF0000";
    frame.solidBottomColor = "00FF80";
    frame.solidOpacity = 160;
    tessaro::WatermarkSettings& watermark = settings.watermark;
    watermark.doWatermark = 1;
    watermark.text = "%filename% %width%x%height%";
    watermark.textOpacity = 200;
    watermark.backOpacity = 90;
    watermark.textRotation = 30;
    return settings;
}

std::unique_ptr<tessaro::WatermarkFont> loadFont(const Settings& settings) {
    auto load = tessaro::loadWatermarkFont(settings.watermark.font, settings.watermark.fontSize,
                                           tessaro::consoleDotsPerInch, 0);
    // Fuzzing without the watermark would miss half of what this target is for.
    if (!load)
        tessaro::fuzz::failCheck(load.failure().reason.c_str());
    return std::move(load).value();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > tessaro::fuzz::conversionInputLimit) {
        return 0;
    }
    static const Settings settings = framedSettings();
    static const std::unique_ptr<tessaro::WatermarkFont> font = loadFont(settings);
    tessaro::fuzz::convertIcon(data, size, settings, font.get());
    return 0;
}
