#include "engine/icon_decoder.h"

#include <cstdio>

namespace tessaro {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::vector<uint8_t>> readFileBounded(const std::string& path, size_t maxBytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    while (true) {
        const size_t count = std::fread(buffer, 1, sizeof buffer, file.get());
        if (bytes.size() + count > maxBytes)
            return std::nullopt;
        bytes.insert(bytes.end(), buffer, buffer + count);
        if (count < sizeof buffer)
            break;
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

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
