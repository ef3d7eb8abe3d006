#include "option/pattern_library/pattern_files.h"

PatternFileKind PatternFileKindOf(PatternLibrary library, PatternFile file) {
    constexpr PatternFileKind kGunFolder{"Guns(*.guns)|*.GUNS|", "config\\.guns", "guns"};
    constexpr PatternFileKind kGunEntry{"Gun(*.gun)|*.GUN|", "config\\.gun", "gun"};
    constexpr PatternFileKind kAdvancedFolder{"AdvanceGuns(*.advanceguns)|*.ADVANCEGUNS|", "config\\.advanceguns",
                                              "advanceguns"};
    constexpr PatternFileKind kAdvancedEntry{"AdvanceGun(*.advancegun)|*.ADVANCEGUN|", "config\\.advancegun",
                                             "advancegun"};
    constexpr PatternFileKind kLockedFromAdvanced{"Gun(*.gun)|*.gun|", "config\\.gun", "gun"};
    switch (file) {
        case PatternFile::Folder: return library == PatternLibrary::Gun ? kGunFolder : kAdvancedFolder;
        case PatternFile::Entry: return library == PatternLibrary::Gun ? kGunEntry : kAdvancedEntry;
        case PatternFile::LockedEntry: break;
    }
    // Both libraries export a locked copy as a gun the gun library imports.
    return library == PatternLibrary::Gun ? kGunEntry : kLockedFromAdvanced;
}
