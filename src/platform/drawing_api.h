#pragma once

// The interface between the engine and the drawing module. The module is a
// shared library loaded on first use, so everything that crosses the boundary
// is plain C: opaque handles, small value structs and one table of functions.
// Its font and text functions load a second module (Pango, fontconfig) with
// the first font.
// Neither side sees the other's headers; the engine never sees a cairo, Pango
// or fontconfig type.

#include <cstddef>
#include <cstdint>

extern "C" {

// Raised whenever a function of the table changes its meaning or signature;
// the loader refuses a module built for another version.
inline constexpr uint32_t tessaroDrawingApiVersion = 2;

// The one symbol the module exports.
inline constexpr const char* tessaroDrawingEntryPoint = "tessaroDrawingApi";

struct TessaroCanvas;  // an RGBA canvas of fixed size
struct TessaroFont;    // a face resolved by fontconfig at a pixel size

// Straight (not premultiplied) colour.
struct TessaroColor {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t alpha;
};

// A vertex on whole pixel coordinates; the origin is the canvas's top-left.
struct TessaroPoint {
    int32_t x;
    int32_t y;
};

struct TessaroTextExtent {
    double width;
    double height;
};

// The font flags of the watermark font: the values the settings map to.
inline constexpr int32_t tessaroFontUnderline = 4;
inline constexpr int32_t tessaroFontStrikeout = 8;
inline constexpr int32_t tessaroFontBold = 256;
inline constexpr int32_t tessaroFontItalic = 512;

enum TessaroFontStatus : int32_t {
    tessaroFontLoaded = 0,
    tessaroFontNotInstalled = 1,  // the face only falls back to a generic default
    tessaroFontInvalidSize = 2,
    tessaroFontSystemFailure = 3,  // fontconfig or Pango could not be used
    tessaroFontNoTextModule = 4,   // the text module could not be loaded
};

// How text is rasterised: one bit per pixel along the glyph outlines, or
// anti-aliased outlines at fractional positions.
enum TessaroTextMode : int32_t {
    tessaroTextRaster = 0,
    tessaroTextSmooth = 1,
};

struct TessaroDrawingApi {
    uint32_t version;

    // A fully transparent canvas; null when it cannot be made.
    TessaroCanvas* (*createCanvas)(int32_t width, int32_t height);
    void (*destroyCanvas)(TessaroCanvas* canvas);

    // Replaces every pixel by `color`.
    void (*fillCanvas)(TessaroCanvas* canvas, TessaroColor color);
    // Fills a closed polygon over what is there, with normal alpha blending.
    void (*fillPolygon)(TessaroCanvas* canvas, const TessaroPoint* points, int32_t count,
                        TessaroColor color, int32_t antialias);
    // Blends `source` over `target` at the same origin, every source alpha
    // multiplied by opacity / 255. Both canvases have the same size.
    void (*paintCanvas)(TessaroCanvas* target, const TessaroCanvas* source, uint8_t opacity);

    // Resolves `face` with fontconfig and prepares it at `pixelHeight` (the
    // character height) with the tessaroFont* flags; *font is set only on
    // tessaroFontLoaded.
    int32_t (*loadFont)(const char* face, int32_t pixelHeight, int32_t flags, TessaroFont** font);
    void (*destroyFont)(TessaroFont* font);

    // The logical extent of one line of UTF-8 text.
    TessaroTextExtent (*measureText)(const TessaroFont* font, const char* text, int32_t mode);
    // Raster text: the line's cell is replaced by `cellColor`, then its glyph
    // pixels by `textColor`; nothing is blended.
    void (*drawRasterText)(TessaroCanvas* canvas, const TessaroFont* font, const char* text,
                           int32_t x, int32_t y, TessaroColor textColor, TessaroColor cellColor);
    // Anti-aliased text blended over the canvas.
    void (*drawSmoothText)(TessaroCanvas* canvas, const TessaroFont* font, const char* text,
                           int32_t x, int32_t y, TessaroColor textColor);

    // Copies the canvas as straight-alpha 8-bit B, G, R, A pixels: the top row
    // goes to `topRow`, each next row `rowStep` bytes further (negative for
    // bottom-up bitmaps).
    void (*copyPixels)(const TessaroCanvas* canvas, uint8_t* topRow, ptrdiff_t rowStep);
};

using TessaroDrawingEntry = const TessaroDrawingApi* (*)();

}  // extern "C"
