#include "engine/icon_decoder.h"

namespace tessaro {

std::optional<IconDecoder> openIconDecoder(std::span<const uint8_t> bytes, int flags) {
    IconDecoder decoder;
    // The decoder only reads from a stream it did not allocate.
    decoder.stream.reset(
        FreeImage_OpenMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())));
    if (!decoder.stream)
        return std::nullopt;
    decoder.pages.reset(FreeImage_LoadMultiBitmapFromMemory(FIF_ICO, decoder.stream.get(), flags));
    if (!decoder.pages)
        return std::nullopt;
    return decoder;
}

Image clonePage(IconDecoder& decoder, int32_t page) {
    FIBITMAP* locked = FreeImage_LockPage(decoder.pages.get(), page);
    if (locked == nullptr)
        return nullptr;
    Image copy(FreeImage_Clone(locked));
    FreeImage_UnlockPage(decoder.pages.get(), locked, FALSE);
    return copy;
}

Image toStandardBitmap(Image page) {
    if (!page)
        return page;
    switch (FreeImage_GetImageType(page.get())) {
        case FIT_UINT16:
            return Image(FreeImage_ConvertTo8Bits(page.get()));
        case FIT_RGB16:
            return Image(FreeImage_ConvertTo24Bits(page.get()));
        case FIT_RGBA16:
            return Image(FreeImage_ConvertTo32Bits(page.get()));
        default:
            return page;
    }
}

}  // namespace tessaro
