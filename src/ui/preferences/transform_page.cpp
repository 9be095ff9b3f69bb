#include "ui/preferences/transform_page.h"

#include "settings/setting_codes.h"
#include "ui/preferences/color_choosers.h"

namespace tessaro {

namespace {

constexpr QSize contentSize{420, 375};

}  // namespace

TransformPage::TransformPage(QWidget* pageArea) : PreferencesPage(pageArea) {
    content = scrollingContent(this, contentSize);
    RowBuilder rows(content);
    imageRotation = rows.checkBox("Image Rotation");
    rotationType = rows.list("Rotation Type", listTexts<RotationType>());
    rotationRows_.push_back(rows.lastRow());
    rotationAngle = rows.sliderSpin("Rotation Angle", {0, 360});
    rotationRows_.push_back(rows.lastRow());
    backgroundColor = rows.colorButton("Background Color");
    rotationRows_.push_back(rows.lastRow());

    imageResize = rows.checkBox("Image Resize");
    imageWidth = rows.numericField("Image Width", listTexts<SizeUnit>());
    resizeRows_.push_back(rows.lastRow());
    imageHeight = rows.numericField("Image Height", listTexts<SizeUnit>());
    resizeRows_.push_back(rows.lastRow());
    keepAspectRatio = rows.checkBox("Keep Aspect Ratio");
    resizeRows_.push_back(rows.lastRow());
    resizeType = rows.list("Resize Type", listTexts<ResizeType>());
    resizeRows_.push_back(rows.lastRow());
    resizeAlgorithm = rows.list("Resize Algorithm", listTexts<ResizeAlgorithm>());
    resizeRows_.push_back(rows.lastRow());

    flipHorizontal = rows.checkBox("Image Flip Horizontal");
    flipVertical = rows.checkBox("Image Flip Vertical");

    connect(imageRotation, &QCheckBox::toggled, this, &TransformPage::updateRotationControls);
    connect(imageResize, &QCheckBox::toggled, this, &TransformPage::updateResizeControls);
    connect(backgroundColor.button, &QPushButton::clicked, this,
            [this] { chooseRowColor(this, backgroundColor); });

    bindings.checkBox(imageRotation, SETTINGS_FIELD(transform.doImageRotation));
    bindings.list(rotationType, SETTINGS_FIELD(transform.imageRotationType));
    bindings.sliderSpin(rotationAngle, SETTINGS_FIELD(transform.imageRotation));
    bindings.color(backgroundColor, SETTINGS_FIELD(transform.imageRotationBackColor));
    bindings.checkBox(imageResize, SETTINGS_FIELD(transform.doImageResize));
    bindings.number(imageWidth.field, SETTINGS_FIELD(transform.imageWidth));
    bindings.list(imageWidth.unit, SETTINGS_FIELD(transform.imageWidthUnit));
    bindings.number(imageHeight.field, SETTINGS_FIELD(transform.imageHeight));
    bindings.list(imageHeight.unit, SETTINGS_FIELD(transform.imageHeightUnit));
    bindings.checkBox(keepAspectRatio, SETTINGS_FIELD(transform.keepAspectRatio));
    bindings.list(resizeType, SETTINGS_FIELD(transform.imageResizeType));
    bindings.list(resizeAlgorithm, SETTINGS_FIELD(transform.imageResizeAlgorithm));
    bindings.checkBox(flipHorizontal, SETTINGS_FIELD(transform.doImageFlipHorizontal));
    bindings.checkBox(flipVertical, SETTINGS_FIELD(transform.doImageFlipVertical));
}

void TransformPage::applyDependencyRules() {
    updateRotationControls();
    updateResizeControls();
}

void TransformPage::updateRotationControls() {
    for (const PreferencesRow& row : rotationRows_)
        row.setEnabled(imageRotation->isChecked());
}

void TransformPage::updateResizeControls() {
    for (const PreferencesRow& row : resizeRows_)
        row.setEnabled(imageResize->isChecked());
}

}  // namespace tessaro
