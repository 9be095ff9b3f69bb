#include "ui/preferences/preferences_pages.h"

#include "ui/preferences/adjustment_page.h"
#include "ui/preferences/advanced_page.h"
#include "ui/preferences/frame_page.h"
#include "ui/preferences/general_page.h"
#include "ui/preferences/input_page.h"
#include "ui/preferences/interface_page.h"
#include "ui/preferences/output_page.h"
#include "ui/preferences/transform_page.h"
#include "ui/preferences/watermark_page.h"

namespace tessaro {

std::array<PreferencesPage*, 9> createPreferencesPages(PreferencesContext& context,
                                                       QWidget* pageArea) {
    return {
        new GeneralPage(pageArea),             // 0
        new InterfacePage(context, pageArea),  // 1
        new InputPage(context, pageArea),      // 2
        new OutputPage(context, pageArea),     // 3
        new TransformPage(pageArea),           // 4
        new AdjustmentPage(pageArea),          // 5
        new FramePage(pageArea),               // 6
        new WatermarkPage(context, pageArea),  // 7
        new AdvancedPage(pageArea),            // 8
    };
}

}  // namespace tessaro
