#include "ui/preferences/watermark_image_panel.h"

#include "ui/preferences/watermark_image_chooser.h"
#include "ui/preferences/watermark_placement.h"

namespace tessaro {

namespace {

constexpr QSize contentSize{420, 310};

}  // namespace

WatermarkImagePanel::WatermarkImagePanel(QWidget* page, PreferenceBindings& bindings)
    : panel(selectorPanel(page)) {
    RowBuilder rows(scrollingContent(panel, contentSize));
    image = rows.chooserField("Image");
    greyscale = rows.checkBox("Image Greyscale");
    opacity = rows.sliderSpin("Opacity", watermarkOpacityRange);
    placement.addRows(rows, panel, bindings);

    bindings.text(image.field, SETTINGS_FIELD(watermark.image));
    bindings.checkBox(greyscale, SETTINGS_FIELD(watermark.imageGreyscale));
    bindings.sliderSpin(opacity, SETTINGS_FIELD(watermark.imageOpacity));

    QObject::connect(image.button, &QPushButton::clicked, panel,
                     [this] { chooseWatermarkImage(panel, image.field); });
}

}  // namespace tessaro
