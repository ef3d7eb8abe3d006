// What the main window's model asks of its window. The Win32 window
// implements it; tests record the calls.
#pragma once

class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    // Busy: OK and Apply disabled, the mouse captured, the wait cursor
    // shown. Not busy: all three restored.
    virtual void SetApplyBusy(bool busy) = 0;
    // Marks page button `page` (0 basic, 1 advanced) selected and the other
    // not, hides the page shown and shows this one.
    virtual void ShowPage(int page) = 0;
    // Marks profile button `profile` selected and the others not (-1: none).
    virtual void MarkProfile(int profile) = 0;
    // Both pages display the edited copy's current profile.
    virtual void RefreshPages() = 0;
    virtual void RefreshDpiStage() = 0;
    virtual void RefreshPollingRate() = 0;
    // The block exists but could not be mapped: "Could not map view of file.".
    virtual void ShowMapViewFailed() = 0;
    // The modal not-connected warning.
    virtual void ShowNotConnectedWarning() = 0;
    virtual void KillConnectionCheckTimer() = 0;
    // Posts WM_CLOSE to the window.
    virtual void Close() = 0;
    // Teardown steps that belong to the window.
    virtual void DestroyPages() = 0;
    virtual void DeleteSkinPictures() = 0;
};
