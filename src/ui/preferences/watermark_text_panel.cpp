#include "ui/preferences/watermark_text_panel.h"

#include "settings/setting_codes.h"
#include "ui/preferences/color_choosers.h"
#include "ui/preferences/preferences_values.h"
#include "ui/preferences/watermark_font_list.h"
#include "ui/preferences/watermark_placement.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

constexpr QSize contentSize{420, 610};

}  // namespace

WatermarkTextPanel::WatermarkTextPanel(QWidget* page, WatermarkSettings& listSettings)
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
    placement.addRows(rows, panel);

    QObject::connect(font.button, &QPushButton::clicked, panel, [this] {
        chooseWatermarkFont(panel, {font.list, fontSize.field, fontStyle}, listSettings_);
    });
    QObject::connect(fontColor.button, &QPushButton::clicked, panel,
                     [this] { chooseListColor(panel, fontColor.list, listSettings_.fontColors); });
    QObject::connect(backgroundColor.button, &QPushButton::clicked, panel, [this] {
        chooseListColor(panel, backgroundColor.list, listSettings_.backColors);
    });
}

void WatermarkTextPanel::fill(const WatermarkSettings& watermark) {
    text->setText(toQString(watermark.text));
    fillFontList(font.list, watermark);
    setFieldNumber(fontSize.field, watermark.fontSize);
    setFieldNumber(fontLeading.field, watermark.fontLeading);
    fillColorList(fontColor.list, watermark.fontColors, watermark.fontColor);
    setListCode(fontStyle, watermark.fontStyle);
    setListCode(fontEffect, watermark.fontEffect);
    antialiasing->setChecked(watermark.textAntialiasing != 0);
    setListCode(alignment, watermark.textAlignment);
    setFieldNumber(padding.field, watermark.textPadding);
    textOpacity->setValue(watermark.textOpacity);
    fillColorList(backgroundColor.list, watermark.backColors, watermark.backColor);
    backgroundOpacity->setValue(watermark.backOpacity);
    placement.fill(watermark);
}

void WatermarkTextPanel::store(WatermarkSettings& watermark) const {
    watermark.text = cleanedText(text->text());
    watermark.font = toUtf8(font.list->currentText());
    // A list filled from the font alone keeps that font as its list.
    if (watermark.fonts.empty())
        watermark.fonts = watermark.font;
    watermark.fontSize = fieldNumber(fontSize.field);
    watermark.fontLeading = fieldNumber(fontLeading.field);
    watermark.fontColor = listColorText(fontColor.list);
    watermark.fontStyle = listCode(fontStyle, watermark.fontStyle);
    watermark.fontEffect = listCode(fontEffect, watermark.fontEffect);
    watermark.textAntialiasing = antialiasing->isChecked() ? 1 : 0;
    watermark.textAlignment = listCode(alignment, watermark.textAlignment);
    watermark.textPadding = fieldNumber(padding.field);
    watermark.textOpacity = textOpacity->value();
    watermark.backColor = listColorText(backgroundColor.list);
    watermark.backOpacity = backgroundOpacity->value();
    placement.store(watermark);
}

}  // namespace tessaro
