#include "ui/preferences/watermark_placement.h"

#include "settings/setting_codes.h"

namespace tessaro {
namespace {

constexpr PairRange rotationRange{0, 360};
constexpr PairRange scaleRange{1, 200};

}  // namespace

void WatermarkPlacementRows::addRows(RowBuilder& rows, QWidget* panel,
                                     PreferenceBindings& bindings) {
    boundary = rows.list("Boundary", listTexts<PlacementArea>());
    position = rows.list("Position", listTexts<AnchorPosition>());
    xOffset = rows.numericField("X-Offset", {"Pixels"});
    yOffset = rows.numericField("Y-Offset", {"Pixels"});
    rotation = rows.sliderSpin("Rotation Angle", rotationRange);
    size = rows.list("Size", listTexts<WatermarkSizeMode>());
    scale = rows.sliderSpin("Scale", scaleRange);
    scaleRow_ = rows.lastRow();
    QObject::connect(size, &QComboBox::currentIndexChanged, panel, [this] { updateScaleRow(); });

    bindings.list(boundary, fields_.boundary);
    bindings.list(position, fields_.position);
    bindings.number(xOffset.field, fields_.xOffset);
    bindings.number(yOffset.field, fields_.yOffset);
    bindings.sliderSpin(rotation, fields_.rotation);
    bindings.list(size, fields_.size);
    bindings.sliderSpin(scale, fields_.scale);
}

void WatermarkPlacementRows::updateScaleRow() {
    scaleRow_.setVisible(size->currentIndex() == storedCode(WatermarkSizeMode::proportional));
}

}  // namespace tessaro
