#include "ui/preferences/watermark_image_chooser.h"

#include <array>
#include <string>

#include "engine/format_registry.h"
#include "l10n/string_table.h"
#include "ui/qt_text.h"
#include "ui/user_dialogs.h"

namespace tessaro {

namespace {

// The formats a watermark picture may be in, in the requester's order.
const std::array<std::string, 3> watermarkImageFormats = {"png", "bmp", "jpg"};

std::string joinedPatterns(const std::vector<std::string>& extensions) {
    std::string patterns;
    for (const std::string& extension : extensions)
        patterns += (patterns.empty() ? "*." : ";*.") + extension;
    return patterns;
}

}  // namespace

std::vector<FilterLine> watermarkImageFilterLines() {
    std::vector<FilterLine> lines{{getText("Dialog", "All Supported Files"),
                                   joinedPatterns(acceptedInputExtensions(watermarkImageFormats))}};
    for (const std::string& format : watermarkImageFormats) {
        const std::vector<std::string> extensions = acceptedInputExtensions(std::span(&format, 1));
        lines.push_back({std::string(findInputFormat(extensions.front())->description),
                         joinedPatterns(extensions)});
    }
    // Every name, with or without a dot, as in the input file requester.
    lines.push_back({getText("Dialog", "All Files"), "*"});
    return lines;
}

void chooseWatermarkImage(QWidget* parent, QLineEdit* field) {
    const QString chosen = userDialogs().openFile(
        parent, uiText("Dialog", "Select Watermark Image"), field->text().trimmed(),
        requesterFilters(watermarkImageFilterLines()));
    if (!chosen.isEmpty())
        field->setText(chosen);
}

}  // namespace tessaro
