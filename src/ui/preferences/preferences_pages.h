#pragma once

#include <array>

#include "ui/preferences/preferences_page.h"

namespace tessaro {

// The nine pages in page-list order, each a hidden container of `pageArea`.
std::array<PreferencesPage*, 9> createPreferencesPages(PreferencesContext& context,
                                                       QWidget* pageArea);

}  // namespace tessaro
