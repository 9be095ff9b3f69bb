#include "engine/solid_frame.h"

namespace tessaro {

// The frame passes the image through until it is built.
Image drawFrame(Image image, int32_t, int32_t, const Settings&) { return image; }

}  // namespace tessaro
