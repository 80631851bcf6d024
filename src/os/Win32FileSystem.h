// Folder listings and the Windows folders from the system; a list box as a
// list of names.
#pragma once
#include "framework/Controls.h"
#include "os/FileSystem.h"

std::string GetWindowsFolder();
std::string GetSystemFolder();
// Whether a file or folder of that path exists, and whether a folder does
// (with or without its trailing backslash; "" is the current drive's root).
bool PathExists(const std::string& path);
bool FolderExists(const std::string& folder);

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
