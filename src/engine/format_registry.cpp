#include "engine/format_registry.h"

#include <FreeImage.h>

#include <algorithm>
#include <charconv>

#include "settings/product_formats.h"

namespace tessaro {

constexpr std::array<ImageFormat, 20> outputFormats{{
    {"bmp", FIF_BMP, "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
    {"exr", FIF_EXR, "ILM OpenEXR", "96"},
    {"gif", FIF_GIF, "Graphics Interchange Format", "8"},
    {"hdr", FIF_HDR, "High Dynamic Range Image", "96"},
    {"ico", FIF_ICO, "Windows Icon", "1,4,8,16,24,32"},
    {"j2k", FIF_J2K, "JPEG-2000 Codestream", "8,24,32,48"},
    {"jng", FIF_JNG, "JPEG Network Graphics", "24,32"},
    {"jp2", FIF_JP2, "JPEG-2000 File Format", "8,24,32,48"},
    {"jpg", FIF_JPEG, "JPEG File Format", "8,24"},
    {"jxr", FIF_JXR, "JPEG XR Image Format", "1,8,16,24,32,48,96"},
    {"pbm", FIF_PBM, "Portable Bitmap", "1"},
    {"pfm", FIF_PFM, "Portable Floatmap", "96"},
    {"pgm", FIF_PGM, "Portable Greymap", "8"},
    {"png", FIF_PNG, "Portable Network Graphics", "1,4,8,24,32,48"},
    {"ppm", FIF_PPM, "Portable Pixelmap", "24,48"},
    {"tga", FIF_TARGA, "Truevision Targa", "8,16,24,32"},
    {"tiff", FIF_TIFF, "Tagged Image File Format", "1,4,8,24,32,48,96"},
    {"wbmp", FIF_WBMP, "Wireless Bitmap", "1"},
    {"webp", FIF_WEBP, "Google WebP Image Format", "24,32"},
    {"xpm", FIF_XPM, "X11 Pixmap Format", "24"},
}};

constexpr std::array<InputFormat, 79> inputFormats{{
    {"bmp", "bmp", "Windows or OS/2 Bitmap"},
    {"rle", "bmp", "Windows or OS/2 Bitmap"},
    {"dib", "bmp", "Windows or OS/2 Bitmap"},
    {"dds", "dds", "DirectDraw Surface File"},
    {"emf", "emf", "Enhanced Metafile Format"},
    {"emz", "emf", "Enhanced Metafile Format"},
    {"gif", "gif", "GIF File"},
    {"hdr", "hdr", "High Dynamic Range File"},
    {"hdri", "hdr", "High Dynamic Range File"},
    {"ico", "ico", "Windows Icon"},
    {"jpg", "jpg", "JPEG File"},
    {"jpeg", "jpg", "JPEG File"},
    {"jpe", "jpg", "JPEG File"},
    {"jif", "jpg", "JPEG File"},
    {"pcd", "pcd", "Kodak PhotoCD File"},
    {"pcd1", "pcd", "Kodak PhotoCD File"},
    {"pcds", "pcd", "Kodak PhotoCD File"},
    {"ppcd", "pcd", "Kodak PhotoCD File"},
    {"pcx", "pcx", "ZSoft Paintbrush File"},
    {"pic", "pic", "Macintosh PICT"},
    {"pict", "pic", "Macintosh PICT"},
    {"pct", "pic", "Macintosh PICT"},
    {"png", "png", "Portable Network Graphics"},
    {"psd", "psd", "Adobe Photoshop File"},
    {"tga", "tga", "Truevision Targa"},
    {"targa", "tga", "Truevision Targa"},
    {"tiff", "tiff", "Tagged Image File Format"},
    {"tif", "tiff", "Tagged Image File Format"},
    {"wmf", "wmf", "Windows Metafile Format"},
    {"wmz", "wmf", "Windows Metafile Format"},
    {"apm", "wmf", "Aldus Placeable Metafile"},
    {"raw", "raw", "Camera RAW Image"},
    {"raw1", "raw", "Camera RAW Image"},
    {"raw2", "raw", "Camera RAW Image"},
    {"3fr", "raw", "Hasselblad Camera RAW Image"},
    {"arw", "raw", "Sony Camera RAW Image"},
    {"sr2", "raw", "Sony Camera RAW Image"},
    {"srf", "raw", "Sony Camera RAW Image"},
    {"bay", "raw", "Casio Camera RAW Image"},
    {"bmq", "raw", "NuCore RAW Image"},
    {"cap", "raw", "Phase One Camera RAW Image"},
    {"iiq", "raw", "Phase One Camera RAW Image"},
    {"eip", "raw", "Phase One Camera RAW Image"},
    {"cine", "raw", "Phantom RAW Image"},
    {"cr2", "raw", "Canon Camera RAW Image"},
    {"crw", "raw", "Canon Camera RAW Image"},
    {"cs1", "raw", "Capture Shop RAW Image"},
    {"dc2", "raw", "Kodak Camera RAW Image"},
    {"dcr", "raw", "Kodak Camera RAW Image"},
    {"drf", "raw", "Kodak Camera RAW Image"},
    {"dsc", "raw", "Kodak Camera RAW Image"},
    {"k25", "raw", "Kodak Camera RAW Image"},
    {"kc2", "raw", "Kodak Camera RAW Image"},
    {"kdc", "raw", "Kodak Camera RAW Image"},
    {"dcs", "raw", "Kodak Camera RAW Image"},
    {"dng", "raw", "Adobe Digital Negative Image"},
    {"erf", "raw", "Epson Camera RAW Image"},
    {"fff", "raw", "Imacon Camera RAW Image"},
    {"ia", "raw", "Sinar RAW Image"},
    {"sti", "raw", "Sinar RAW Image"},
    {"mdc", "raw", "Minolta Camera RAW Image"},
    {"mrw", "raw", "Minolta Camera RAW Image"},
    {"mef", "raw", "Mamiya Camera RAW Image"},
    {"mos", "raw", "Mamiya Camera RAW Image"},
    {"nef", "raw", "Nikon Camera RAW Image"},
    {"nrw", "raw", "Nikon Camera RAW Image"},
    {"orf", "raw", "Olympus Camera RAW Image"},
    {"pef", "raw", "Pentax Camera RAW Image"},
    {"ptx", "raw", "Pentax Camera RAW Image"},
    {"pxn", "raw", "Logitech Camera RAW Image"},
    {"qtk", "raw", "Apple Quicktake Camera RAW Image"},
    {"raf", "raw", "Fuji Camera RAW Image"},
    {"rdc", "raw", "Digital Foto Maker RAW Image"},
    {"rw2", "raw", "Panasonic Camera RAW Image"},
    {"rwz", "raw", "Rawzor Camera RAW Image"},
    {"x3f", "raw", "Sigma Camera RAW Image"},
    {"ari", "raw", "ARRI RAW Image"},
    {"r3d", "raw", "RED RAW Image"},
    {"rwl", "raw", "Leica Camera RAW Image"},
}};

const ImageFormat* findOutputFormat(std::string_view key) {
    auto row = std::ranges::find(outputFormats, key, &ImageFormat::key);
    return row == outputFormats.end() ? nullptr : &*row;
}

const InputFormat* findInputFormat(std::string_view extension) {
    auto row = std::ranges::find(inputFormats, extension, &InputFormat::extension);
    return row == inputFormats.end() ? nullptr : &*row;
}

std::vector<int32_t> allowedBppList(std::string_view key) {
    std::vector<int32_t> depths;
    const ImageFormat* format = findOutputFormat(key);
    if (format == nullptr) {
        return depths;
    }
    std::string_view rest = format->allowedBpps;
    while (!rest.empty()) {
        size_t comma = rest.find(',');
        std::string_view piece = rest.substr(0, comma);
        int32_t depth = 0;
        std::from_chars(piece.data(), piece.data() + piece.size(), depth);
        depths.push_back(depth);
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
    return depths;
}

std::vector<std::string> acceptedInputExtensions(std::span<const std::string> formatKeys) {
    std::vector<std::string> extensions;
    for (const std::string& key : formatKeys) {
        for (const InputFormat& row : inputFormats) {
            if (row.formatKey == key) {
                extensions.emplace_back(row.extension);
            }
        }
    }
    return extensions;
}

std::vector<std::string> acceptedInputExtensions() {
    return acceptedInputExtensions(productInputFormats());
}

bool isOutputFormat(std::string_view key) {
    return std::ranges::find(productOutputFormats(), key) != productOutputFormats().end();
}

bool isAllowedBpp(std::string_view key, int32_t bpp) {
    if (bpp == 0) {
        return true;
    }
    std::vector<int32_t> depths = allowedBppList(key);
    return std::ranges::find(depths, bpp) != depths.end();
}

}  // namespace tessaro
