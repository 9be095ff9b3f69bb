#include "engine/watermark.h"

namespace tessaro {

// The watermark passes the image through until it is built.
Image drawWatermark(Image image, int32_t, int32_t, const Settings&, const ConversionJob&,
                    const WatermarkFont*) {
    return image;
}

}  // namespace tessaro
