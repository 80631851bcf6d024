#include "config/SaverListMoves.h"

void MoveAll(const CListBox& from, const CListBox& to)
{
    std::vector<std::string> texts = from.GetTexts();
    from.ResetContent();
    to.AddStrings(texts);
}

int MoveSelected(const CListBox& from, const CListBox& to)
{
    std::vector<int> items = from.GetSelItems();
    if (items.empty()) return 0;
    std::vector<std::string> texts;
    for (int item : items) texts.push_back(from.GetText(item));
    {
        CRedrawPause pause(from);
        for (auto item = items.rbegin(); item != items.rend(); ++item) from.DeleteString(*item);
    }
    // Inserting after the current item leaves it current.
    const int current = to.GetCount() > 0 ? to.GetCurSel() : LB_ERR;
    int placedAt = LB_ERR;
    {
        CRedrawPause pause(to);
        for (const std::string& text : texts)
            placedAt = current >= 0 ? to.InsertString(current + 1, text) : to.AddString(text);
    }
    // A multiple-selection list refuses and keeps its current item.
    if (texts.size() == 1) to.SetCurSel(placedAt);
    return static_cast<int>(texts.size());
}

void MoveItem(const CListBox& list, int index, int target)
{
    std::string text = list.GetText(index);
    list.DeleteString(index);
    list.InsertString(target, text);
    list.SetCurSel(target);
}
