// The list and combo box wrappers that fill thousands of items at once.
#include "framework/Controls.h"

#include <gtest/gtest.h>

namespace {

struct Control {
    explicit Control(const char* windowClass, DWORD style)
        : hwnd(CreateWindowA(windowClass, "", WS_POPUP | style, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~Control() { DestroyWindow(hwnd); }
    HWND hwnd;
};

const std::vector<std::string> names{"Zebra", "aquarium", "\xC9" "clair", "eclair", "a-b", "ab", "10 Clocks",
                                     "9 Lives", "_under", "\xC4rger", "Aquarium 2", "zz", "~tilde"};

TEST(Controls, OurSortIsTheOrderOfASortingListBoxSoAppendedItemsNeedNoComparison)
{
    Control sorting("LISTBOX", LBS_SORT | LBS_HASSTRINGS);
    CListBox list(sorting.hwnd);
    for (const std::string& name : names) list.AddString(name);
    std::vector<std::string> sorted = names;
    SortAsListsSort(sorted);
    EXPECT_EQ(list.GetTexts(), sorted);

    // Appended in that order, the list stays sorted for its own insertions.
    list.ResetContent();
    list.AppendStrings(std::vector<std::string>(sorted.begin() + 1, sorted.end()));
    EXPECT_EQ(0, list.AddString(sorted.front()));
    EXPECT_EQ(list.GetTexts(), sorted);
}

TEST(Controls, ACombosItemsAddedThroughItsListAreItsOwn)
{
    Control combo("COMBOBOX", CBS_DROPDOWNLIST | CBS_HASSTRINGS);
    CComboBox box;
    box.m_hWnd = combo.hwnd;
    box.AddStrings({"beta", "Alpha"});
    EXPECT_EQ(2, box.GetCount());
    EXPECT_EQ("beta", box.GetLBText(0));
    EXPECT_EQ(1, box.FindStringExact(-1, "ALPHA"));
    EXPECT_EQ(1, box.SetCurSel(1));
    EXPECT_EQ("Alpha", CWnd(combo.hwnd).GetWindowText());
}

TEST(Controls, TheHighlightedItemsOfEitherKindOfList)
{
    Control multiple("LISTBOX", LBS_MULTIPLESEL | LBS_HASSTRINGS);
    Control single("LISTBOX", LBS_HASSTRINGS);
    CListBox many(multiple.hwnd), one(single.hwnd);
    many.AddStrings(names);
    one.AddStrings(names);
    EXPECT_EQ(std::vector<int>{}, many.GetSelItems());
    EXPECT_EQ(std::vector<int>{}, one.GetSelItems());
    many.SetSel(7, true);
    many.SetSel(2, true);
    one.SetCurSel(4);
    EXPECT_EQ((std::vector<int>{2, 7}), many.GetSelItems());
    EXPECT_EQ(std::vector<int>{4}, one.GetSelItems());
}

}  // namespace
