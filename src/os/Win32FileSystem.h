// Folder listings and the Windows folders from the system; a list box as a
// list of names.
#pragma once
#include "framework/Controls.h"
#include "os/FileSystem.h"

std::string GetWindowsFolder();
std::string GetSystemFolder();
// Where Windows keeps screen savers: the system folder and, on 64-bit
// Windows, also the 32-bit one (SysWOW64), each with programs of its own
// kind, both of which run from either build. The native folder comes first.
std::vector<std::string> GetSystemFolders();
// The name in the form in which two names that Windows takes for one (a
// list box's search, the profile functions) are equal: letter case folded,
// the code page's letters too.
std::string FoldLetterCase(const std::string& name);
// Any text of them for people: "A, B && C" with the static controls' "&&".
std::string JoinFolderNames(const std::vector<std::string>& folders);

// While it lives, a 32-bit program on 64-bit Windows sees the real System32
// under that name rather than SysWOW64; elsewhere it does nothing. The two
// functions are looked up at run time, since 32-bit Windows XP has neither.
class CNativeFolderView {
public:
    CNativeFolderView();
    ~CNativeFolderView();
    CNativeFolderView(const CNativeFolderView&) = delete;
    CNativeFolderView& operator=(const CNativeFolderView&) = delete;

private:
    void* previous = nullptr;
    bool disabled = false;
};
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
