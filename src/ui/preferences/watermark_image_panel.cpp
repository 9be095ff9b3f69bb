#include "ui/preferences/watermark_image_panel.h"

#include "ui/preferences/preferences_values.h"
#include "ui/preferences/watermark_image_chooser.h"
#include "ui/preferences/watermark_placement.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

constexpr QSize contentSize{420, 310};

}  // namespace

WatermarkImagePanel::WatermarkImagePanel(QWidget* page) : panel(selectorPanel(page)) {
    RowBuilder rows(scrollingContent(panel, contentSize));
    image = rows.chooserField("Image");
    greyscale = rows.checkBox("Image Greyscale");
    opacity = rows.sliderSpin("Opacity", watermarkOpacityRange);
    placement.addRows(rows, panel);

    QObject::connect(image.button, &QPushButton::clicked, panel,
                     [this] { chooseWatermarkImage(panel, image.field); });
}

void WatermarkImagePanel::fill(const WatermarkSettings& watermark) {
    image.field->setText(toQString(watermark.image));
    greyscale->setChecked(watermark.imageGreyscale != 0);
    opacity->setValue(watermark.imageOpacity);
    placement.fill(watermark);
}

void WatermarkImagePanel::store(WatermarkSettings& watermark) const {
    watermark.image = cleanedText(image.field->text());
    watermark.imageGreyscale = greyscale->isChecked() ? 1 : 0;
    watermark.imageOpacity = opacity->value();
    placement.store(watermark);
}

}  // namespace tessaro
