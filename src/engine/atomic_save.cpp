#include "engine/atomic_save.h"

#include <string_view>

#include "engine/image.h"
#include "platform/atomic_write.h"

namespace tessaro {

Result<void> saveImageAtomically(FIBITMAP* image, int32_t fif, const std::string& path,
                                 int32_t flags) {
    const MemoryStream encoded(FreeImage_OpenMemory());
    if (image == nullptr || !encoded ||
        !FreeImage_SaveToMemory(static_cast<FREE_IMAGE_FORMAT>(fif), image, encoded.get(), flags))
        return Failure{"the page could not be encoded"};
    BYTE* data = nullptr;
    DWORD size = 0;
    if (!FreeImage_AcquireMemory(encoded.get(), &data, &size))
        return Failure{"the page could not be encoded"};
    return replaceFileAtomically(path, std::string_view(reinterpret_cast<const char*>(data), size));
}

}  // namespace tessaro
