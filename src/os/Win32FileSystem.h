// Folder listings and the Windows folders from the system; a list box as a
// list of names.
#pragma once
#include "framework/Controls.h"
#include "os/FileSystem.h"

std::string GetWindowsFolder();
std::string GetSystemFolder();

class CWin32FileSystem : public IFileSystem {
public:
    std::vector<std::string> FindNames(const std::string& pathPattern) override;
    std::string WindowsFolder() override { return GetWindowsFolder(); }
    std::string SystemFolder() override { return GetSystemFolder(); }
};

class CListBoxNames : public INameList {
public:
    explicit CListBoxNames(CListBox listBox) : listBox(listBox) {}
    int FindExact(const std::string& text) override { return listBox.FindStringExact(-1, text); }
    void Add(const std::string& text) override { listBox.AddString(text); }
    void Delete(int index) override { listBox.DeleteString(index); }

private:
    CListBox listBox;
};
