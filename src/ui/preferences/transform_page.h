#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <vector>

#include "ui/preferences/preferences_page.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The Transform page: rotation, resize and flips, on a scrolling page.
class TransformPage : public PreferencesPage {
    Q_OBJECT

public:
    explicit TransformPage(QWidget* pageArea);

    // The rotation rows are enabled only while "Image Rotation" is ticked.
    void updateRotationControls();
    // The size, proportion, type and algorithm rows are enabled only while
    // "Image Resize" is ticked; the flip rows stay enabled.
    void updateResizeControls();

    QWidget* content = nullptr;
    QCheckBox* imageRotation = nullptr;
    QComboBox* rotationType = nullptr;
    SliderSpinPair* rotationAngle = nullptr;
    ColorRow backgroundColor;
    QCheckBox* imageResize = nullptr;
    NumericFieldRow imageWidth;
    NumericFieldRow imageHeight;
    QCheckBox* keepAspectRatio = nullptr;
    QComboBox* resizeType = nullptr;
    QComboBox* resizeAlgorithm = nullptr;
    QCheckBox* flipHorizontal = nullptr;
    QCheckBox* flipVertical = nullptr;

private:
    void applyDependencyRules() override;

    std::vector<PreferencesRow> rotationRows_;
    std::vector<PreferencesRow> resizeRows_;
};

}  // namespace tessaro
