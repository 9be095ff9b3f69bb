#include "ui/preferences/watermark_text_panel.h"

#include "settings/setting_codes.h"
#include "ui/preferences/color_choosers.h"
#include "ui/preferences/watermark_font_list.h"
#include "ui/preferences/watermark_placement.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

constexpr QSize contentSize{420, 610};

}  // namespace

WatermarkTextPanel::WatermarkTextPanel(QWidget* page, WatermarkSettings& listSettings,
                                       PreferenceBindings& bindings)
    : panel(selectorPanel(page)), listSettings_(listSettings) {
    RowBuilder rows(scrollingContent(panel, contentSize));
    text = rows.field("Text");
    font = rows.chooserList("Font");
    fontSize = rows.numericField("Font Size", {"Points"});
    fontLeading = rows.numericField("Font Leading", {"Pixels"});
    fontColor = rows.chooserList("Font Color");
    fontStyle = rows.list("Font Style", listTexts<FontStyle>());
    fontEffect = rows.list("Font Effect", listTexts<FontEffect>());
    antialiasing = rows.checkBox("Antialiasing");
    alignment = rows.list("Text Alignment", listTexts<TextAlignment>());
    padding = rows.numericField("Text Padding", {"Pixels"});
    textOpacity = rows.sliderSpin("Text Opacity", watermarkOpacityRange);
    backgroundColor = rows.chooserList("Background Color");
    backgroundOpacity = rows.sliderSpin("Background Opacity", watermarkOpacityRange);
    placement.addRows(rows, panel, bindings);

    bindings.text(text, SETTINGS_FIELD(watermark.text));
    bindings.custom([this](const Settings& s) { fillFontList(font.list, s.watermark); },
                    [this](Settings& s) {
                        s.watermark.font = toUtf8(font.list->currentText());
                        // A list filled from the font alone keeps that font as its list.
                        if (s.watermark.fonts.empty())
                            s.watermark.fonts = s.watermark.font;
                    });
    bindings.number(fontSize.field, SETTINGS_FIELD(watermark.fontSize));
    bindings.number(fontLeading.field, SETTINGS_FIELD(watermark.fontLeading));
    bindings.colorList(fontColor.list, SETTINGS_FIELD(watermark.fontColors),
                       SETTINGS_FIELD(watermark.fontColor));
    bindings.list(fontStyle, SETTINGS_FIELD(watermark.fontStyle));
    bindings.list(fontEffect, SETTINGS_FIELD(watermark.fontEffect));
    bindings.checkBox(antialiasing, SETTINGS_FIELD(watermark.textAntialiasing));
    bindings.list(alignment, SETTINGS_FIELD(watermark.textAlignment));
    bindings.number(padding.field, SETTINGS_FIELD(watermark.textPadding));
    bindings.sliderSpin(textOpacity, SETTINGS_FIELD(watermark.textOpacity));
    bindings.colorList(backgroundColor.list, SETTINGS_FIELD(watermark.backColors),
                       SETTINGS_FIELD(watermark.backColor));
    bindings.sliderSpin(backgroundOpacity, SETTINGS_FIELD(watermark.backOpacity));

    QObject::connect(font.button, &QPushButton::clicked, panel, [this] {
        chooseWatermarkFont(panel, {font.list, fontSize.field, fontStyle}, listSettings_);
    });
    QObject::connect(fontColor.button, &QPushButton::clicked, panel,
                     [this] { chooseListColor(panel, fontColor.list, listSettings_.fontColors); });
    QObject::connect(backgroundColor.button, &QPushButton::clicked, panel, [this] {
        chooseListColor(panel, backgroundColor.list, listSettings_.backColors);
    });
}

}  // namespace tessaro
