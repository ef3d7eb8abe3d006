#include "option/pattern_library/pattern_dialogs_win.h"

#include "option/pattern_library/pattern_library_dialog_win.h"

namespace {

PatternDialogPlace PlaceOf(const PageContext& context) {
    return {context.folders.skins, context.folders.program, context.texts, context.libraries};
}

}  // namespace

std::optional<PatternChoice> RunGunLibrary(HWND owner, const PageContext& context, const LibrarySeed& seed) {
    GunStore& store = context.libraries.GunLibrary();
    PatternLibraryDialog dialog(PlaceOf(context), store, PatternLibrary::Gun, {seed.mode, seed.group, seed.item},
                                [&] { context.libraries.SaveGuns(); });
    if (dialog.RunModal(owner) != IDOK) return std::nullopt;
    const LibraryPosition at = dialog.Model().Selected();
    PatternChoice choice{dialog.Model().GunMode(), at.folder, at.entry, std::nullopt, std::nullopt};
    if (const GunFolder* folder = FindFolder(store, at.folder)) choice.groupName = folder->Name;
    if (const Gun* gun = FindEntry(store, at.folder, at.entry)) choice.entry = *gun;
    return choice;
}

bool RunAdvancedPatternDialog(HWND owner, const PageContext& context) {
    GunStore& store = context.libraries.AdvancedLibrary();
    PatternLibraryDialog dialog(PlaceOf(context), store, PatternLibrary::Advanced, {}, [] {});
    if (dialog.RunModal(owner) != IDOK) {
        context.libraries.ReloadAdvancedGuns();
        return false;
    }
    context.libraries.SaveAdvancedGuns();
    RefreshPatternButtons(context.edited.Profiles, store);
    return true;
}
