#include "option/advanced_page/macro_editor_menus_win.h"

#include "lan/string_ids.h"
#include "option/advanced_page/macro_editor_commands.h"

namespace {

constexpr char kSimSunGbk[] = "\xCB\xCE\xCC\xE5";
constexpr int kMenuFontHeight = 13;
constexpr int kMenuWidth = 120;
constexpr int kMouseMenuWidth = 80;
constexpr int kStepMenuWidth = 50;

struct Item {
    int caption;
    int command;
};

// Mouse buttons in menu order; the back button's code comes before the
// forward button's, so the commands follow the menu, not the codes.
constexpr int kMouseButtonCaptions[] = {str::kMouseLeft, str::kMouseRight, str::kMouseWheel, str::kMouseForward,
                                        str::kMouseBack};
constexpr int kMouseActionCaptions[] = {str::kMousePress, str::kMouseRelease, str::kMouseClick};
constexpr Item kStepItems[] = {{str::kFnPatternSwitch, kCmdFirstStepPair},
                               {str::kGunModeSuffix0, kCmdFirstStepPair + 1},
                               {str::kGunModeSuffix1, kCmdFirstStepPair + 2},
                               {str::kGunModeSuffix2, kCmdLastStepPair}};
constexpr Item kTreeItems[] = {{str::kNewGroup, kCmdNewGroup},         {str::kDeleteGroup, kCmdDeleteGroup},
                               {str::kNewMacro, kCmdNewMacro},         {str::kDeleteMacro, kCmdDeleteMacro},
                               {str::kImportMacro, kCmdImportMacro},   {str::kExportMacro, kCmdExportMacro},
                               {str::kImportAllMacros, kCmdImportGroup}, {str::kExportAllMacros, kCmdExportGroup},
                               {str::kNameDialogTitle, kCmdRename}};

void AppendItems(SkinMenu& menu, const TextSource& texts, const Item* items, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) menu.AppendItem(texts.Text(items[i].caption), items[i].command);
}

}  // namespace

MacroEditorMenus::MacroEditorMenus(const TextSource& texts) {
    events_.SetFont(kSimSunGbk, kMenuFontHeight);
    const Item recordItems[] = {{str::kRecordBefore, kCmdRecordBefore},
                                {str::kRecordAfter, kCmdRecordAfter},
                                {str::kInsertDelay, kCmdInsertDelay}};
    AppendItems(events_, texts, recordItems, std::size(recordItems));
    SkinMenu& mouse = events_.AppendSubmenu(texts.Text(str::kInsertMouseButton));
    int command = kCmdFirstMouseButton;
    for (int button : kMouseButtonCaptions) {
        SkinMenu& actions = mouse.AppendSubmenu(texts.Text(button));
        for (int action : kMouseActionCaptions) actions.AppendItem(texts.Text(action), command++);
        actions.SetWidth(kMouseMenuWidth);
    }
    mouse.SetWidth(kMouseMenuWidth);
    SkinMenu& steps = events_.AppendSubmenu(texts.Text(str::kAdvancedPatternSuffix));
    AppendItems(steps, texts, kStepItems, std::size(kStepItems));
    steps.SetWidth(kStepMenuWidth);
    const Item editItems[] = {{str::kEditEvent, kCmdEditValue}, {str::kDeleteEvent, kCmdDeleteRow}};
    AppendItems(events_, texts, editItems, std::size(editItems));
    events_.SetWidth(kMenuWidth);

    tree_.SetFont(kSimSunGbk, kMenuFontHeight);
    AppendItems(tree_, texts, kTreeItems, std::size(kTreeItems));
    tree_.SetWidth(kMenuWidth);
}

int MacroEditorMenus::Track(HWND owner, int listId) {
    SkinMenu& menu = listId == kMacroTreeListId ? tree_ : events_;
    POINT at{};
    GetCursorPos(&at);
    const int command = static_cast<int>(menu.Track(owner, at.x, at.y, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD));
    // The menu closes properly only when its owner gets a message after it.
    PostMessageA(owner, WM_NULL, 0, 0);
    return command;
}
