// Asking the user for a folder: the shell's folder browser, or whatever
// else offers the same choice.
#pragma once
#include <windows.h>

#include <string>

class IFolderChooser {
public:
    virtual ~IFolderChooser() = default;
    // The file-system folder the user picked; "" when they cancelled or
    // picked something that has no file-system path.
    virtual std::string ChooseFolder(HWND owner, const std::string& title) = 0;
};

// The shell's "Browse for Folder" dialog over the whole namespace, offering
// file-system folders of this computer and its domain.
class CShellFolderChooser : public IFolderChooser {
public:
    std::string ChooseFolder(HWND owner, const std::string& title) override;
};
