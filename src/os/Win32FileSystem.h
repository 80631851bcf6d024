// Folder listings and the Windows folders from the system.
#pragma once
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
