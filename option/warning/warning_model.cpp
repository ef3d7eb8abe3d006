#include "option/warning/warning_model.h"

#include <algorithm>

#include "lan/string_ids.h"

int WarningMessageString(WarningVariant variant, int kind) {
    switch (variant) {
        case WarningVariant::A:
            return str::kNeedPrimaryClick;
        case WarningVariant::B:
            switch (kind) {
                case kWarnNameEmptyOrGroupExists:
                    return str::kNameEmpty;
                case kWarnMacroExists:
                    return str::kMacroNameExists;
                case kWarnGunFolderExists:
                case kWarnAdvancedFolderExists:
                    return str::kGunFolderNameExists;
                case kWarnGunExists:
                case kWarnAdvancedPatternExists:
                    return str::kGunNameExists;
                default:
                    return str::kConfirmRestoreDefaults;
            }
        case WarningVariant::C:
            return str::kSelectMacroFirst;
        case WarningVariant::D:
            return str::kNotConnected;
        case WarningVariant::E:
            switch (kind) {
                case 0:
                    return str::kConfirmDeleteMacro;
                case 1:
                    return str::kConfirmDeleteGroup;
                case 2:
                    return str::kConfirmDeleteFolder;
                case 3:
                    return str::kConfirmDeletePattern;
                default:
                    return 0;
            }
    }
    return 0;
}

WarningTexts LayOutWarningTexts(WarningVariant variant, int kind, const TextSource& texts,
                                const TextMeasure& measure) {
    WarningTexts out;
    out.title = texts.Text(str::kWarningTitle);
    if (const int id = WarningMessageString(variant, kind)) out.message = texts.Text(id);
    const int titleHeight = measure.WrappedHeight(out.title, kWarningTitleFont, kWarningTitleBox.Width());
    const int messageHeight = measure.WrappedHeight(out.message, kWarningMessageFont, kWarningMessageBox.Width());
    out.titlePlace = PlaceText(kWarningTitleBox, titleHeight, true, TextAlign::Left);
    out.messagePlace = PlaceText(kWarningMessageBox, messageHeight, true, TextAlign::Centre);
    return out;
}

SkinRect WarningPlacement(const SkinRect* owner, int width, int height, const SkinRect& workArea) {
    const SkinRect& around = owner ? *owner : workArea;
    int left = around.left + (around.Width() - width) / 2;
    int top = around.top + (around.Height() - height) / 2;
    // Keep the whole dialog on screen; when it is larger than the work area
    // its top-left corner stays visible.
    left = std::max(workArea.left, std::min(left, workArea.right - width));
    top = std::max(workArea.top, std::min(top, workArea.bottom - height));
    return {left, top, left + width, top + height};
}
