#pragma once

#include <span>

#include "l10n/string_table.h"

namespace tessaro {

// The program's own English texts in their stored form: groups opened by
// "_GROUP_" pairs, closed by one "_END_" pair.
std::span<const StoredText> builtInTexts();

}  // namespace tessaro
