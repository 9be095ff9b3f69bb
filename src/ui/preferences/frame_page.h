#pragma once

#include <QComboBox>
#include <array>

#include "ui/preferences/preferences_page.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The Frame page: the frame type and, for a solid frame, the band widths,
// their colours and the frame's opacity on a scrolling panel.
class FramePage : public PreferencesPage {
    Q_OBJECT

public:
    explicit FramePage(QWidget* pageArea);

    // The solid-colour panel is visible only for "Frame Solid".
    void updateFramePanel();

    QComboBox* frameType = nullptr;
    QWidget* solidPanel = nullptr;
    // Left, right, top and bottom.
    std::array<NumericFieldRow, 4> bandWidths;
    std::array<ColorRow, 4> bandColors;
    SliderSpinPair* opacity = nullptr;

private:
    void applyDependencyRules() override { updateFramePanel(); }
};

}  // namespace tessaro
