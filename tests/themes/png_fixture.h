#pragma once

#include <FreeImage.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// PNG bytes for theme tests, made and measured with FreeImage so that the
// checks do not trust the code under test to read pictures.
namespace tessaro::test {

struct PixelSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
struct MemoryDeleter {
    void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

inline std::string pngOfSize(int width, int height) {
    std::unique_ptr<FIBITMAP, BitmapDeleter> bitmap(FreeImage_Allocate(width, height, 32));
    std::unique_ptr<FIMEMORY, MemoryDeleter> memory(FreeImage_OpenMemory());
    if (!bitmap || !memory || !FreeImage_SaveToMemory(FIF_PNG, bitmap.get(), memory.get())) {
        return {};
    }
    BYTE* data = nullptr;
    DWORD size = 0;
    FreeImage_AcquireMemory(memory.get(), &data, &size);
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A PNG whose signature and header are sound but whose pixel data is not:
// the bytes of the first IDAT chunk are inverted, so its checksum fails.
inline std::string pngWithBrokenBody(int width, int height) {
    std::string bytes = pngOfSize(width, height);
    const std::size_t data = bytes.find("IDAT") + 4;
    for (std::size_t i = data; i < data + 8 && i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(~bytes[i]);
    }
    return bytes;
}

// The size of the PNG picture the bytes hold; nullopt when they hold none.
inline std::optional<PixelSize> decodedPngSize(std::string_view bytes) {
    std::string copy(bytes);
    std::unique_ptr<FIMEMORY, MemoryDeleter> memory(FreeImage_OpenMemory(
        reinterpret_cast<BYTE*>(copy.data()), static_cast<DWORD>(copy.size())));
    if (!memory || FreeImage_GetFileTypeFromMemory(memory.get()) != FIF_PNG) {
        return std::nullopt;
    }
    std::unique_ptr<FIBITMAP, BitmapDeleter> bitmap(
        FreeImage_LoadFromMemory(FIF_PNG, memory.get()));
    if (!bitmap) {
        return std::nullopt;
    }
    return PixelSize{static_cast<int>(FreeImage_GetWidth(bitmap.get())),
                     static_cast<int>(FreeImage_GetHeight(bitmap.get()))};
}

inline bool pngDecodes(std::string_view bytes) {
    return decodedPngSize(bytes).has_value();
}

}  // namespace tessaro::test
