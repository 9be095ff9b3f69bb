#pragma once

#include <cstdint>
#include <vector>

#include "engine/icon_check.h"

namespace tessaro {

// The icon as the decoder reads it. The decoder reads a classic page's
// palette and pixels right after a 40-byte bitmap header, as uncompressed
// rows in the layout the check lets bit-field pages have. So a page whose
// header is larger (version 4 or 5) or is followed by bit-field masks comes
// back rewritten: its header's first 40 bytes marked as a 40-byte
// uncompressed header, then its palette, pixels and mask, with the larger
// header's colour space and profile left out. Pages are kept in their order;
// a refused page comes back empty, as the decoder is never asked for it.
// Bytes with no page to rewrite come back as they are.
// `check` is the valid check of `bytes`.
std::vector<uint8_t> decoderReadableIcon(std::vector<uint8_t> bytes, const IconCheck& check);

}  // namespace tessaro
