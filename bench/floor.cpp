// The floor of a console conversion: the least a program linked to FreeImage
// must do to turn an icon into JPEG files the way tessaro does with its
// defaults. Every page is decoded, transparent pages are flattened onto white,
// and each page is saved at quality 95 without chroma subsampling, pages of a
// multi-page icon as name[k].jpg.
#include <FreeImage.h>

#include <cstdio>
#include <string>

namespace {

FIBITMAP* flattenOntoWhite(FIBITMAP* page) {
    if (FreeImage_IsTransparent(page)) {
        const unsigned bpp = FreeImage_GetBPP(page);
        if (bpp < 8 || bpp > 32) {
            FIBITMAP* wide = FreeImage_ConvertTo32Bits(page);
            FreeImage_Unload(page);
            page = wide;
        }
        RGBQUAD white{255, 255, 255, 0};
        FIBITMAP* flat = FreeImage_Composite(page, FALSE, &white, nullptr);
        FreeImage_Unload(page);
        return flat;
    }
    FIBITMAP* color = FreeImage_ConvertTo24Bits(page);
    FreeImage_Unload(page);
    return color;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: floor <input.ico> <output.jpg>\n");
        return 2;
    }
    const std::string output = argv[2];
    FIMULTIBITMAP* icon = FreeImage_OpenMultiBitmap(FIF_ICO, argv[1], FALSE, TRUE, TRUE, 0);
    if (icon == nullptr)
        return 1;
    const int pages = FreeImage_GetPageCount(icon);
    int saved = 0;
    for (int index = 0; index < pages; ++index) {
        FIBITMAP* locked = FreeImage_LockPage(icon, index);
        if (locked == nullptr)
            continue;
        FIBITMAP* page = FreeImage_Clone(locked);
        FreeImage_UnlockPage(icon, locked, FALSE);
        page = page != nullptr ? flattenOntoWhite(page) : nullptr;
        if (page == nullptr)
            continue;
        std::string path = output;
        if (pages > 1)
            path.insert(path.size() - 4, "[" + std::to_string(index + 1) + "]");
        if (FreeImage_Save(FIF_JPEG, page, path.c_str(), 95 | JPEG_SUBSAMPLING_444))
            ++saved;
        FreeImage_Unload(page);
    }
    FreeImage_CloseMultiBitmap(icon, 0);
    return saved == pages && pages > 0 ? 0 : 1;
}
