// A page of the main window (the button assignment page and the advanced
// settings page): a skinned child dialog placed in the main window's page
// area. Each page edits the edited copy of the profiles that the main
// window's model owns; the main window calls the Show* entry points when
// that copy changed under the page.
//
//   class ButtonPage : public OptionPage {
//   public:
//       explicit ButtonPage(const PageContext& context)
//           : OptionPage(context, "skin_button_page.ini") {}
//       void ShowProfile() override { /* read Edited().Profiles[Edited().CurrentProfile] */ }
//   protected:
//       void OnBuild(const SkinWindowBuilder& build) override { /* controls */ }
//   };
#pragma once

#include <windows.h>

#include <string>

#include "option/option_folders.h"
#include "option/library_stores.h"
#include "profile/shared_block.h"
#include "profile/text_source.h"
#include "shell/skin_dialog_win.h"

// What every page works with; all of it outlives the pages.
struct PageContext {
    SharedBlock& edited;       // the copy the pages edit; its current profile is the one shown
    const TextSource& texts;   // lan.dll
    const OptionFolders& folders;
    LibraryStores& libraries;  // macros, guns and advanced patterns
};

class OptionPage : public SkinDialog {
public:
    OptionPage(const PageContext& context, const char* layoutFile)
        : SkinDialog(context.folders.skins, layoutFile), context_(context) {}

    // The edited copy's current profile (or the whole copy) changed:
    // display it again.
    virtual void ShowProfile() = 0;
    // Only the current profile's DPI stage, or its polling rate, changed
    // (the mouse reported it); by default the whole profile is shown again.
    virtual void ShowDpiStage() { ShowProfile(); }
    virtual void ShowPollingRate() { ShowProfile(); }

protected:
    SharedBlock& Edited() { return context_.edited; }
    const PageContext& Context() const { return context_; }
    // A press on the page's background drags the main window.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    PageContext context_;
};

// A page whose own issue has not landed yet: its skinned background and
// nothing on it.
class BlankPage final : public OptionPage {
public:
    using OptionPage::OptionPage;
    void ShowProfile() override {}

protected:
    void OnBuild(const SkinWindowBuilder&) override {}
};
