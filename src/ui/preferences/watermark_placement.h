#pragma once

#include <cstdint>

#include <QComboBox>

#include "settings/field_ref.h"
#include "settings/settings.h"
#include "ui/preferences/preference_bindings.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The watermark settings a panel places its watermark by: the text's or the
// picture's own fields.
struct WatermarkPlacementFields {
    FieldRef<int8_t> boundary;
    FieldRef<int8_t> position;
    FieldRef<int32_t> xOffset;
    FieldRef<int32_t> yOffset;
    FieldRef<int32_t> rotation;
    FieldRef<int8_t> size;
    FieldRef<int32_t> scale;
};

inline constexpr WatermarkPlacementFields textPlacementFields{
    SETTINGS_FIELD(watermark.textBoundary), SETTINGS_FIELD(watermark.textPosition),
    SETTINGS_FIELD(watermark.textXOffset),  SETTINGS_FIELD(watermark.textYOffset),
    SETTINGS_FIELD(watermark.textRotation), SETTINGS_FIELD(watermark.textSize),
    SETTINGS_FIELD(watermark.textScale)};

inline constexpr WatermarkPlacementFields imagePlacementFields{
    SETTINGS_FIELD(watermark.imageBoundary), SETTINGS_FIELD(watermark.imagePosition),
    SETTINGS_FIELD(watermark.imageXOffset),  SETTINGS_FIELD(watermark.imageYOffset),
    SETTINGS_FIELD(watermark.imageRotation), SETTINGS_FIELD(watermark.imageSize),
    SETTINGS_FIELD(watermark.imageScale)};

// Opacity rows of both panels run over the same range.
inline constexpr PairRange watermarkOpacityRange{1, 255};

// The rows both watermark panels end with: boundary, position, offsets,
// rotation, size and scale. The "Scale" row shows only for a size other than
// "Fixed", the only size the list offers, so it stays hidden.
class WatermarkPlacementRows {
public:
    explicit WatermarkPlacementRows(const WatermarkPlacementFields& fields) : fields_(fields) {}

    // Adds the rows after the panel's own ones and binds them to the fields.
    void addRows(RowBuilder& rows, QWidget* panel, PreferenceBindings& bindings);

    void updateScaleRow();

    QComboBox* boundary = nullptr;
    QComboBox* position = nullptr;
    NumericFieldRow xOffset;
    NumericFieldRow yOffset;
    SliderSpinPair* rotation = nullptr;
    QComboBox* size = nullptr;
    SliderSpinPair* scale = nullptr;

private:
    WatermarkPlacementFields fields_;
    PreferencesRow scaleRow_;
};

}  // namespace tessaro
