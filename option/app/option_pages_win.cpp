#include "option/app/option_pages_win.h"

#include "option/advanced_page/advanced_page_win.h"
#include "option/button_page/button_page_win.h"
#include "option/fire_button/fire_button_dialog_win.h"
#include "option/macro_picker/macro_picker_dialog_win.h"
#include "option/pattern_library/pattern_dialogs_win.h"
#include "option/main_window/main_window_win.h"

namespace {

// The button page's dialogs that other folders build, plugged in here. An
// empty slot keeps its function-menu item disabled.
LibraryDialogSlots ButtonPageDialogs() {
    return {
        .pickMacro = [](const DialogPlace& at, const LibrarySeed& seed) {  // command 1049
            return RunMacroPicker(at.owner, at.context, seed);
        },
        .editRepeatedClick = [](const DialogPlace& at, const RepeatedClickValues& seed) {  // command 1054
            return RunFireButtonDialog(at.owner, at.context, seed);
        },
        .pickGun = [](const DialogPlace& at, const LibrarySeed& seed) {  // command 1064
            return RunGunLibrary(at.owner, at.context, seed);
        },
        .pickAdvancedPattern = [](const DialogPlace& at, const LibrarySeed& seed) {  // command 1068
            return RunAdvancedPatternPicker(at.owner, at.context, seed);
        },
    };
}

}  // namespace

std::unique_ptr<OptionPage> MakeOptionPage(int page, const PageContext& context) {
    if (page == kBasicPage) return std::make_unique<ButtonPage>(context, ButtonPageDialogs());
    return std::make_unique<AdvancedPage>(context, RunAdvancedPatternDialog);
}
