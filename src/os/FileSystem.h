// The folders of Windows and the names of the files in a folder.
#pragma once
#include <string>
#include <vector>

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // Names (no folder) of every file or sub-folder that the path pattern
    // matches, in the order the system reports them.
    virtual std::vector<std::string> FindNames(const std::string& pathPattern) = 0;
    virtual std::string WindowsFolder() = 0;
    virtual std::string SystemFolder() = 0;
};

// A list of display texts that ignores letter case when it looks a text up,
// as a list box does.
class INameList {
public:
    virtual ~INameList() = default;
    // The index of the item equal to the text without regard to case, or -1.
    virtual int FindExact(const std::string& text) = 0;
    virtual void Add(const std::string& text) = 0;
};
