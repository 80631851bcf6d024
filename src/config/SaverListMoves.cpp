#include "config/SaverListMoves.h"

void MoveAll(const CListBox& from, const CListBox& to)
{
    while (from.GetCount() > 0) {
        std::string text = from.GetText(0);
        from.DeleteString(0);
        to.AddString(text);
    }
}

int MoveSelected(const CListBox& from, const CListBox& to)
{
    int moved = 0;
    int placedAt = LB_ERR;
    for (int i = 0; i < from.GetCount();) {
        if (!from.GetSel(i)) {
            ++i;
            continue;
        }
        std::string text = from.GetText(i);
        from.DeleteString(i);
        int current = to.GetCount() > 0 ? to.GetCurSel() : LB_ERR;
        placedAt = current >= 0 ? to.InsertString(current + 1, text) : to.AddString(text);
        ++moved;
    }
    // A multiple-selection list refuses and keeps its current item.
    if (moved == 1) to.SetCurSel(placedAt);
    return moved;
}

void MoveItem(const CListBox& list, int index, int target)
{
    std::string text = list.GetText(index);
    list.DeleteString(index);
    list.InsertString(target, text);
    list.SetCurSel(target);
}
