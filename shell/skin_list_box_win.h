// An owner-drawn list box with 16 x 16 row icons, hover that takes the focus
// and in-place renaming of rows.
//
// The parent reflects the list's draw and colour requests to it, so the
// parent needs no code for the list. Notifications go to notifyWindow (the
// parent unless set), lParam = list id.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "shell/owned_handles_win.h"
#include "shell/window_subclass_win.h"

constexpr UINT kListRenamedMessage = 0x5F4;       // wParam: new index of the renamed row
constexpr UINT kListDoubleClickMessage = 0x5F9;   // wParam 0
constexpr UINT kListRightButtonMessage = 0x6BC;   // wParam 0

class SkinListBox {
public:
    SkinListBox();
    ~SkinListBox();
    SkinListBox(const SkinListBox&) = delete;
    SkinListBox& operator=(const SkinListBox&) = delete;

    bool Create(HWND parent, int id, const RECT& rect,
                DWORD style = WS_VISIBLE | WS_VSCROLL | WS_HSCROLL);
    HWND Handle() const { return window_; }

    // Both return the row's index, or -1 when it could not be added.
    int AddItem(const std::string& text, uint32_t itemData);
    int InsertItem(int index, const std::string& text, uint32_t itemData);
    // Replaces every row in one repaint, measuring the rows' width once (a
    // list refilled as a whole would measure all its rows for each one
    // added), and selects `selected` (-1 none).
    template <class Rows>
    void ReplaceItems(const Rows& rows, int selected) {
        BeginReplace();
        for (const auto& row : rows) InsertRow(-1, row.text, row.data);
        EndReplace(selected);
    }

    void SetColours(COLORREF background, COLORREF highlight);
    void SetTextColours(COLORREF text, COLORREF highlightText);
    void SetListId(int id) { listId_ = id; }
    void SetNotifyWindow(HWND window) { notifyWindow_ = window; }
    void SetDoubleClickNotify(bool on) { doubleClickNotify_ = on; }
    void SetArrowKeysOnly(bool on) { arrowKeysOnly_ = on; }

    // Opens the rename field over the selected row (ignored while one is open
    // or nothing is selected).
    void StartRename();
    // Adds an empty row at the end and opens the rename field over it.
    void AddNewItem(uint32_t itemData = 0);

    int EditIndex() const { return editIndex_; }
    HWND EditWindow() const { return editWindow_; }
    int HoverIndex() const { return hoverIndex_; }

private:
    bool OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void DrawRow(const DRAWITEMSTRUCT& item);
    void DrawIcon(HDC dc, unsigned icon, const RECT& row);
    void OnMouseMove(LPARAM lParam);
    void OpenEditor(int index, const RECT& area, int limit);
    void CommitRename();
    void CancelRename();
    void CloseEditor();
    void UpdateHorizontalExtent();
    void BeginReplace();
    void EndReplace(int selected);
    // Adds the row without measuring; -1 when it could not be added.
    int InsertRow(int index, const std::string& text, uint32_t itemData);
    void Notify(UINT message, WPARAM wParam) const;
    void RepaintRow(int index) const;
    uint32_t ItemData(int index) const;

    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    HWND editWindow_ = nullptr;
    HWND notifyWindow_ = nullptr;
    WindowSubclass listSubclass_;
    WindowSubclass editSubclass_;
    UniqueFont font_;
    UniqueBrush backBrush_;
    UniqueBrush highlightBrush_;
    std::map<unsigned, UniqueBitmap> icons_;  // row icons by resource number, loaded once
    COLORREF textColour_;
    COLORREF highlightTextColour_;
    COLORREF highlightColour_;
    int itemHeight_ = 18;
    int hoverIndex_ = -1;
    int editIndex_ = -1;
    int listId_ = 0;
    int lastDrawnMark_ = -1;
    bool doubleClickNotify_ = false;
    bool arrowKeysOnly_ = false;
    bool mouseTracked_ = false;
    bool enterPressed_ = false;  // in the open rename field
};
