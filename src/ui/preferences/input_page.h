#pragma once

#include <QComboBox>

#include "ui/preferences/format_selector.h"
#include "ui/preferences/preferences_page.h"
#include "ui/preferences/preferences_rows.h"

namespace tessaro {

// The Input page: the input format selector and the loading options of each
// input format. Only the product's formats can be selected, so only their
// panels ever show; the others are built all the same.
class InputPage : public PreferencesPage {
    Q_OBJECT

public:
    InputPage(const PreferencesContext& context, QWidget* pageArea);

    // "RGB8" and "RGB16" read the header size and image size given here;
    // "RGB48HS" and "RGB48" are tone-mapped; the others use neither.
    void updateRawControls();

    FormatSelector format;
    QComboBox* ddsLoadAs = nullptr;
    QComboBox* gifFrameLoading = nullptr;
    QComboBox* icoFrameLoading = nullptr;
    QComboBox* rawLoadAs = nullptr;
    NumericFieldRow rawHeaderSize;
    NumericFieldRow rawImageWidth;
    NumericFieldRow rawImageHeight;
    QComboBox* rawToneMapping = nullptr;
    QComboBox* tiffFrameLoading = nullptr;

private:
    void applyDependencyRules() override { updateRawControls(); }

    std::vector<PreferencesRow> rawSizeRows_;
    PreferencesRow rawToneMappingRow_;
};

}  // namespace tessaro
