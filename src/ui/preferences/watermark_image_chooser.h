#pragma once

#include <QLineEdit>
#include <QWidget>
#include <vector>

#include "ui/input_filter.h"

namespace tessaro {

// The watermark image requester's filter: all supported pictures, then PNG,
// BMP and JPEG files, then all files.
std::vector<FilterLine> watermarkImageFilterLines();

// The open-file requester for the watermark picture, starting at the
// field's path without surrounding blanks; a chosen file's full path goes
// into the field, a cancelled requester leaves it as it was.
void chooseWatermarkImage(QWidget* parent, QLineEdit* field);

}  // namespace tessaro
