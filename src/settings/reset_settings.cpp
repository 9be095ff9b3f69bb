#include "settings/reset_settings.h"

#include "settings/local_time.h"
#include "settings/product_formats.h"

namespace tessaro {
namespace {

// Centred along one axis when the display is larger than the window, else
// at the fixed offset of 100 pixels.
int32_t centredPosition(int32_t displayExtent, int32_t windowExtent) {
    return displayExtent > windowExtent ? (displayExtent - windowExtent) / 2 : 100;
}

}  // namespace

void resetSettings(Settings& settings, bool consoleMode, DisplaySize primaryDisplay) {
    settings = Settings{};

    int32_t now = currentLocalTimestamp();
    settings.general.updateDate = now;
    settings.advanced.customTimestamp = now;

    settings.window.x = centredPosition(primaryDisplay.width, settings.window.width);
    settings.window.y = centredPosition(primaryDisplay.height, settings.window.height);

    settings.input.format = productInputFormats().front();
    settings.output.format = productOutputFormats().front();

    settings.transform.keepAspectRatio = consoleMode ? 0 : 1;
}

}  // namespace tessaro
