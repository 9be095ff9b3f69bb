#include "platform/drawing/text.h"

#include <optional>

#include "platform/drawing/canvas.h"
#include "platform/drawing/font_resolver.h"

namespace tessaro::drawing {
namespace {

// Raster text is one bit per pixel on the hinted grid; smooth text keeps the
// outlines' own shapes and fractional advances.
FontOptions fontOptionsFor(int32_t mode) {
    FontOptions options(cairo_font_options_create());
    if (mode == tessaroTextRaster) {
        cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_NONE);
        cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_FULL);
        cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
    } else {
        cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    }
    return options;
}

PangoContextHandle makeContext(PangoFontMap* fontMap, int32_t mode) {
    PangoContextHandle context(pango_font_map_create_context(fontMap));
    FontOptions options = fontOptionsFor(mode);
    pango_cairo_context_set_font_options(context.get(), options.get());
    pango_context_set_round_glyph_positions(context.get(), mode == tessaroTextRaster);
    return context;
}

// One line: a line break inside the text is shown as a glyph, never as a
// second line, so the block's layout stays the engine's.
Layout makeLayout(const TessaroFont& font, const char* text, int32_t mode) {
    PangoContext* context =
        mode == tessaroTextRaster ? font.rasterContext.get() : font.smoothContext.get();
    Layout layout(pango_layout_new(context));
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    pango_layout_set_font_description(layout.get(), font.description.get());
    pango_layout_set_attributes(layout.get(), font.attributes.get());
    pango_layout_set_text(layout.get(), text, -1);
    return layout;
}

AttributeList attributesFor(int32_t flags) {
    AttributeList attributes(pango_attr_list_new());
    if ((flags & tessaroFontUnderline) != 0) {
        pango_attr_list_insert(attributes.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    }
    if ((flags & tessaroFontStrikeout) != 0) {
        pango_attr_list_insert(attributes.get(), pango_attr_strikethrough_new(TRUE));
    }
    return attributes;
}

}  // namespace

int32_t loadFont(const char* face, int32_t pixelHeight, int32_t flags, TessaroFont** font) {
    if (pixelHeight < 1) {
        return tessaroFontInvalidSize;
    }
    std::optional<std::string> family = resolveFontFamily(face != nullptr ? face : "");
    if (!family) {
        return tessaroFontNotInstalled;
    }
    FontMap fontMap(pango_cairo_font_map_new());
    if (!fontMap) {
        return tessaroFontSystemFailure;
    }
    auto loaded = std::make_unique<TessaroFont>();
    loaded->family = *family;
    loaded->rasterContext = makeContext(fontMap.get(), tessaroTextRaster);
    loaded->smoothContext = makeContext(fontMap.get(), tessaroTextSmooth);
    loaded->fontMap = std::move(fontMap);
    loaded->description.reset(pango_font_description_new());
    pango_font_description_set_family(loaded->description.get(), loaded->family.c_str());
    pango_font_description_set_absolute_size(loaded->description.get(),
                                             static_cast<double>(pixelHeight) * PANGO_SCALE);
    pango_font_description_set_weight(loaded->description.get(), (flags & tessaroFontBold) != 0
                                                                     ? PANGO_WEIGHT_BOLD
                                                                     : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(loaded->description.get(), (flags & tessaroFontItalic) != 0
                                                                    ? PANGO_STYLE_ITALIC
                                                                    : PANGO_STYLE_NORMAL);
    loaded->attributes = attributesFor(flags);
    *font = loaded.release();
    return tessaroFontLoaded;
}

void destroyFont(TessaroFont* font) {
    delete font;
}

TessaroTextExtent measureText(const TessaroFont* font, const char* text, int32_t mode) {
    Layout layout = makeLayout(*font, text, mode);
    PangoRectangle logical;
    pango_layout_get_extents(layout.get(), nullptr, &logical);
    return {static_cast<double>(logical.width) / PANGO_SCALE,
            static_cast<double>(logical.height) / PANGO_SCALE};
}

void drawRasterText(TessaroCanvas* canvas, const TessaroFont* font, const char* text, int32_t x,
                    int32_t y, TessaroColor textColor, TessaroColor cellColor) {
    Layout layout = makeLayout(*font, text, tessaroTextRaster);
    PangoRectangle cell;
    pango_layout_get_pixel_extents(layout.get(), nullptr, &cell);

    Context context = startDrawing(canvas, cellColor);
    if (!context) {
        return;
    }
    // Every pixel is replaced: the cell by its colour, then the glyph pixels
    // (and underline or strikeout bars) by the text colour with its own alpha.
    cairo_set_operator(context.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_antialias(context.get(), CAIRO_ANTIALIAS_NONE);
    cairo_rectangle(context.get(), x, y, cell.width, cell.height);
    cairo_fill(context.get());

    cairo_set_source_rgba(context.get(), textColor.red / 255.0, textColor.green / 255.0,
                          textColor.blue / 255.0, textColor.alpha / 255.0);
    cairo_move_to(context.get(), x, y);
    pango_cairo_show_layout(context.get(), layout.get());
}

void drawSmoothText(TessaroCanvas* canvas, const TessaroFont* font, const char* text, int32_t x,
                    int32_t y, TessaroColor textColor) {
    Layout layout = makeLayout(*font, text, tessaroTextSmooth);
    Context context = startDrawing(canvas, textColor);
    if (!context) {
        return;
    }
    cairo_move_to(context.get(), x, y);
    pango_cairo_show_layout(context.get(), layout.get());
}

}  // namespace tessaro::drawing
