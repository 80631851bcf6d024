#include "framework/Controls.h"

#include "framework/WinApp.h"

#include <algorithm>
#include <vector>

std::string detail::ItemText(const CWnd& control, UINT lengthMessage, UINT textMessage, int index)
{
    LRESULT length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length <= 0) return "";
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    if (copied <= 0) return "";
    int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), &text[0], size, nullptr, nullptr);
    return text;
}

void detail::AddTexts(const CWnd& control, UINT storageMessage, UINT addMessage, const std::vector<std::string>& texts,
                      WPARAM addParam)
{
    if (texts.empty()) return;
    size_t bytes = 0;
    for (const std::string& text : texts) bytes += text.size() + 1;
    CRedrawPause pause(control);
    control.SendMessage(storageMessage, texts.size(), static_cast<LPARAM>(bytes * sizeof(wchar_t)));
    for (const std::string& text : texts) control.SendMessage(addMessage, addParam, TextParam(text));
}

void SortAsListsSort(std::vector<std::string>& texts)
{
    std::vector<std::pair<std::string, size_t>> keys;
    keys.reserve(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
        int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), -1, nullptr, 0);
        std::string key(static_cast<size_t>(size > 0 ? size : 0), '\0');
        if (size > 0) LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), -1, reinterpret_cast<LPSTR>(&key[0]), size);
        keys.emplace_back(std::move(key), i);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const auto& key : keys) sorted.push_back(std::move(texts[key.second]));
    texts = std::move(sorted);
}

std::vector<std::string> CListBox::GetTexts() const
{
    std::vector<std::string> texts;
    int count = GetCount();
    texts.reserve(static_cast<size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) texts.push_back(GetText(i));
    return texts;
}

void CComboBox::AddStrings(const std::vector<std::string>& texts) const
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (SendMessage(CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) && info.hwndList)
        detail::AddTexts(CWnd(info.hwndList), LB_INITSTORAGE, LB_ADDSTRING, texts);
    else
        detail::AddTexts(*this, CB_INITSTORAGE, CB_ADDSTRING, texts);
}

std::vector<int> CListBox::GetSelItems() const
{
    LRESULT count = SendMessage(LB_GETSELCOUNT);
    if (count == LB_ERR) {
        int current = GetCurSel();
        return current >= 0 ? std::vector<int>{current} : std::vector<int>{};
    }
    std::vector<int> items(static_cast<size_t>(count));
    if (count > 0) SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(items.data()));
    return items;
}

bool CToolTipCtrl::Create(const CWnd& parent, DWORD style)
{
    m_hWnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}
