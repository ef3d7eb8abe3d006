#include "shell/skin_list_box_item.h"

ListRowPaint PlanListRowPaint(const ListRowFlags& f) {
    ListRowPaint p;
    if (f.selected)
        p.fill = RowFill::Highlight;
    else if (f.selectionChanged)
        p.fill = RowFill::Background;
    if (f.focusChanged && f.selected) {
        p.text = RowText::Highlight;
        p.highlightTextArea = !f.focused;
    }
    if (f.disabled) p.text = RowText::Disabled;
    return p;
}
