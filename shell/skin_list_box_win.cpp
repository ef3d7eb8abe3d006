#include "shell/skin_list_box_win.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "shell/gbk_font_win.h"
#include "shell/list_rename.h"
#include "shell/reflect_win.h"
#include "shell/skin_list_box_item.h"
#include "shell/skin_picture_win.h"

namespace {

// "新宋体" (NSimSun) in GBK.
constexpr char kListFace[] = "\xD0\xC2\xCB\xCE\xCC\xE5";
constexpr int kListFontHeight = 14;
constexpr int kListFontWeight = 300;
constexpr int kListItemHeight = 18;
constexpr int kExtentMargin = 12;
constexpr int kRenameTextCapacity = 4096;
constexpr int kNewItemInsetLeft = 1;
constexpr int kNewItemInsetRight = 2;
constexpr COLORREF kIconTransparent = RGB(255, 0, 255);

std::string ListText(HWND list, int index) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

RECT ItemRect(HWND list, int index) {
    RECT rect{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

}  // namespace

SkinListBox::SkinListBox()
    : textColour_(GetSysColor(COLOR_WINDOWTEXT)),
      highlightTextColour_(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      highlightColour_(GetSysColor(COLOR_HIGHLIGHT)) {}

SkinListBox::~SkinListBox() {
    if (window_) DestroyWindow(window_);
}

bool SkinListBox::Create(HWND parent, int id, const RECT& rect, DWORD style) {
    if (window_) return false;
    style |= WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    HWND list = CreateWindowExA(0, "LISTBOX", "", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!list) return false;
    if (!listSubclass_.Attach(list, [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
            return OnListMessage(m, w, l, r);
        })) {
        DestroyWindow(list);
        return false;
    }
    window_ = list;
    parent_ = parent;
    ReflectToControl(window_);
    font_.reset(CreateGbkFaceFont(kListFace, kListFontHeight, 0, kListFontWeight, FF_SWISS));
    backBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
    highlightBrush_.reset(CreateSolidBrush(highlightColour_));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    // The measure request went to the parent before the subclass existed.
    SendMessageA(window_, LB_SETITEMHEIGHT, 0, itemHeight_);
    return true;
}

int SkinListBox::AddItem(const std::string& text, uint32_t itemData) {
    return InsertItem(-1, text, itemData);
}

int SkinListBox::InsertItem(int index, const std::string& text, uint32_t itemData) {
    const int at = InsertRow(index, text, itemData);
    if (at >= 0) UpdateHorizontalExtent();
    return at;
}

int SkinListBox::InsertRow(int index, const std::string& text, uint32_t itemData) {
    const LRESULT at = SendMessageA(window_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(text.c_str()));
    if (at < 0) return -1;
    SendMessageA(window_, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(itemData));
    return static_cast<int>(at);
}

void SkinListBox::BeginReplace() {
    SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(window_, LB_RESETCONTENT, 0, 0);
}

void SkinListBox::EndReplace(int selected) {
    UpdateHorizontalExtent();
    SendMessageA(window_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window_, nullptr, TRUE);
}

void SkinListBox::SetColours(COLORREF background, COLORREF highlight) {
    backBrush_.reset(CreateSolidBrush(background));
    highlightBrush_.reset(CreateSolidBrush(highlight));
    highlightColour_ = highlight;
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void SkinListBox::SetTextColours(COLORREF text, COLORREF highlightText) {
    textColour_ = text;
    highlightTextColour_ = highlightText;
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void SkinListBox::StartRename() {
    if (!window_ || editWindow_) return;
    const LRESULT selected = SendMessageA(window_, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    const int index = static_cast<int>(selected);
    RECT area = ItemRect(window_, index);
    // The field starts where the row's text starts when the row has icon room.
    const uint32_t data = ItemData(index);
    if (ListItemHasIconRoom(data)) area.left += ListItemTextOffset(data);
    OpenEditor(index, area, kRenameTextLimit);
}

void SkinListBox::AddNewItem(uint32_t itemData) {
    if (!window_ || editWindow_) return;
    const int index = AddItem("", itemData);
    if (index < 0) return;
    SendMessageA(window_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);  // also scrolls it into view
    RECT area = ItemRect(window_, index);
    area.left += kNewItemInsetLeft;
    area.right -= kNewItemInsetRight;
    OpenEditor(index, area, kNewItemTextLimit);
}

void SkinListBox::OpenEditor(int index, const RECT& area, int limit) {
    editIndex_ = index;
    RepaintRow(index);
    const std::string text = ListText(window_, index);
    editWindow_ = CreateWindowExA(0, "EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                  area.left, area.top, area.right - area.left, area.bottom - area.top,
                                  window_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!editWindow_) {
        editIndex_ = -1;
        return;
    }
    editSubclass_.Attach(editWindow_, [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
        return OnEditMessage(m, w, l, r);
    });
    SendMessageA(editWindow_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    SendMessageA(editWindow_, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    SendMessageA(editWindow_, EM_SETSEL, 0, -1);
    enterPressed_ = false;
    SetFocus(editWindow_);
}

void SkinListBox::CommitRename() {
    if (!editWindow_) return;
    std::vector<char> buffer(kRenameTextCapacity + 1, '\0');
    GetWindowTextA(editWindow_, buffer.data(), static_cast<int>(buffer.size()));
    const std::string text(buffer.data());
    const int count = static_cast<int>(SendMessageA(window_, LB_GETCOUNT, 0, 0));
    const RenameCommit plan = PlanRenameCommit(text, editIndex_, count);
    if (plan.removeRow) {
        const uint32_t data = ItemData(plan.index);
        SendMessageA(window_, LB_DELETESTRING, static_cast<WPARAM>(plan.index), 0);
        if (plan.reinsert) {
            InsertItem(plan.index, text, data);
            SendMessageA(window_, LB_SETCURSEL, static_cast<WPARAM>(plan.index), 0);
        }
    }
    CloseEditor();
    if (plan.reinsert) Notify(kListRenamedMessage, static_cast<WPARAM>(plan.index));
}

void SkinListBox::CancelRename() {
    if (!editWindow_) return;
    const int count = static_cast<int>(SendMessageA(window_, LB_GETCOUNT, 0, 0));
    if (RenameCancelRemovesRow(editIndex_, count))
        SendMessageA(window_, LB_DELETESTRING, static_cast<WPARAM>(editIndex_), 0);
    CloseEditor();
}

void SkinListBox::CloseEditor() {
    // Clear the rename state first: the focus coming back to the list must
    // not commit a second time.
    HWND edit = editWindow_;
    editWindow_ = nullptr;
    editIndex_ = -1;
    if (GetFocus() == edit) SetFocus(window_);
    DestroyWindow(edit);
    InvalidateRect(window_, nullptr, TRUE);
}

void SkinListBox::UpdateHorizontalExtent() {
    int widest = 0;
    {
        const WindowDc dc(window_);
        const SelectedObject font(dc.get(), font_.get());
        const int count = static_cast<int>(SendMessageA(window_, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            const std::string text = ListText(window_, i);
            SIZE size{};
            GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
    }
    SendMessageA(window_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + kExtentMargin), 0);
}

void SkinListBox::Notify(UINT message, WPARAM wParam) const {
    HWND target = notifyWindow_ ? notifyWindow_ : parent_;
    if (target) PostMessageA(target, message, wParam, static_cast<LPARAM>(listId_));
}

void SkinListBox::RepaintRow(int index) const {
    if (index < 0) return;
    RECT rect = ItemRect(window_, index);
    InvalidateRect(window_, &rect, TRUE);
}

uint32_t SkinListBox::ItemData(int index) const {
    const LRESULT data = SendMessageA(window_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == LB_ERR ? 0 : static_cast<uint32_t>(data);
}

void SkinListBox::DrawIcon(HDC dc, unsigned icon, const RECT& row) {
    UniqueBitmap& bitmap = icons_[icon];
    if (!bitmap) bitmap.reset(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon)));
    if (!bitmap) return;
    const SIZE size = BitmapSize(bitmap.get());
    const PictureDc memory(dc, bitmap.get());
    TransparentBlt(dc, row.left + kListIconLeft, row.top + kListIconTop, kListIconSize, kListIconSize, memory.get(),
                   0, 0, size.cx, size.cy, kIconTransparent);
}

void SkinListBox::DrawRow(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const int index = static_cast<int>(item.itemID);
    const std::string text = ListText(window_, index);
    const auto data = static_cast<uint32_t>(item.itemData);
    lastDrawnMark_ = ListItemMark(data);

    ListRowFlags flags;
    flags.selected = (item.itemState & ODS_SELECTED) != 0;
    flags.focused = (item.itemState & ODS_FOCUS) != 0;
    flags.disabled = (item.itemState & ODS_DISABLED) != 0;
    flags.selectionChanged = (item.itemAction & ODA_SELECT) != 0;
    flags.focusChanged = (item.itemAction & ODA_FOCUS) != 0;
    const ListRowPaint paint = PlanListRowPaint(flags);

    HDC dc = item.hDC;
    RECT row = item.rcItem;
    if (paint.fill == RowFill::Highlight)
        FillRect(dc, &row, highlightBrush_.get());
    else if (paint.fill == RowFill::Background)
        FillRect(dc, &row, backBrush_.get());

    const SelectedObject font(dc, font_.get());
    RECT textRect = row;
    textRect.left += ListItemTextOffset(data);
    switch (paint.text) {
    case RowText::Normal: SetTextColor(dc, textColour_); break;
    case RowText::Highlight: SetTextColor(dc, highlightTextColour_); break;
    case RowText::Disabled: SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW)); break;
    }
    if (paint.highlightTextArea) {
        RECT area = textRect;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
        FillRect(dc, &area, highlightBrush_.get());
    }
    if (ListItemDrawsIcon(data)) DrawIcon(dc, ListItemIcon(data), row);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void SkinListBox::OnMouseMove(LPARAM lParam) {
    if (!mouseTracked_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
        TrackMouseEvent(&track);
        mouseTracked_ = true;
    }
    if (editWindow_) return;
    const LRESULT hit = SendMessageA(window_, LB_ITEMFROMPOINT, 0, lParam);
    const int index = HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
    if (index == hoverIndex_) return;
    RepaintRow(hoverIndex_);
    RepaintRow(index);
    hoverIndex_ = index;
    SetFocus(window_);
}

bool SkinListBox::OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return false;
    case WM_MOUSELEAVE:
        mouseTracked_ = false;
        return false;
    case WM_MOUSEWHEEL:
        SendMessageA(window_, WM_VSCROLL, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        result = 0;
        return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (arrowKeysOnly_ && wParam != VK_UP && wParam != VK_DOWN) {
            result = 0;
            return true;
        }
        return false;
    case WM_LBUTTONDBLCLK:
        // The mark checked is the one of the row drawn last.
        if (doubleClickNotify_ && lastDrawnMark_ == 0) Notify(kListDoubleClickMessage, 0);
        return false;
    case WM_RBUTTONDOWN:
        Notify(kListRightButtonMessage, 0);
        return false;
    case Reflected(WM_DRAWITEM):
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case Reflected(WM_CTLCOLORLISTBOX):
        // The list fills the room below its last row with this brush.
        result = reinterpret_cast<LRESULT>(backBrush_.get());
        return true;
    case WM_SETFOCUS:
        if (editWindow_ && reinterpret_cast<HWND>(wParam) == editWindow_) CommitRename();
        return false;
    case WM_NCDESTROY:
        StopReflecting(window_);
        window_ = nullptr;
        parent_ = nullptr;
        editWindow_ = nullptr;
        editIndex_ = -1;
        return false;
    default:
        return false;
    }
}

bool SkinListBox::OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_GETDLGCODE:
        // Enter and Escape belong to the rename, not to a surrounding dialog.
        result = editSubclass_.CallNext(message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case WM_KEYUP:
        // Only an Enter pressed in the field: the release of the Enter that
        // chose a menu command opening the field must not end it.
        if (wParam != VK_RETURN || !enterPressed_) return false;
        CommitRename();
        return true;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) enterPressed_ = true;
        if (wParam != VK_ESCAPE) return false;
        CancelRename();
        return true;
    case WM_CHAR:
        return wParam == '\r' || wParam == 0x1B;  // no beep from the edit
    case WM_NCDESTROY:
        if (editWindow_ == editSubclass_.Window()) {
            editWindow_ = nullptr;
            editIndex_ = -1;
        }
        return false;
    default:
        return false;
    }
}
