#include "option/app/option_pages_win.h"

#include "option/button_page/button_page_win.h"
#include "option/main_window/main_window_win.h"

namespace {

// The button page's dialogs that other folders build, plugged in here. An
// empty slot keeps its function-menu item disabled.
LibraryDialogSlots ButtonPageDialogs() {
    return {
        .pickMacro = {},            // macro picker (command 1049)
        .editRepeatedClick = {},    // repeated-click dialog (command 1054)
        .pickGun = {},              // gun library (command 1064)
        .pickAdvancedPattern = {},  // advanced-pattern picker (command 1068)
    };
}

}  // namespace

std::unique_ptr<OptionPage> MakeOptionPage(int page, const PageContext& context) {
    if (page == kBasicPage) return std::make_unique<ButtonPage>(context, ButtonPageDialogs());
    return MakeBlankPage(page, context);
}
