// Folders of names in memory; patterns of the form "*.ext" or "*" match
// without regard to letter case, as Windows matches them.
#pragma once
#include "os/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <map>

class FakeFileSystem : public IFileSystem {
public:
    std::vector<std::string> FindNames(const std::string& pathPattern) override
    {
        searched.push_back(pathPattern);
        size_t slash = pathPattern.rfind('\\');
        std::string folder = Lower(pathPattern.substr(0, slash));
        std::string suffix = Lower(pathPattern.substr(slash + 2));   // after "\*"
        std::vector<std::string> names;
        for (const std::string& name : folders[folder]) {
            std::string lower = Lower(name);
            if (lower.size() >= suffix.size() && lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0)
                names.push_back(name);
        }
        return names;
    }
    std::string WindowsFolder() override { return "C:\\WINDOWS"; }
    std::string SystemFolder() override { return "C:\\WINDOWS\\SYSTEM"; }

    void Add(const std::string& folder, const std::string& name) { folders[Lower(folder)].push_back(name); }

    std::vector<std::string> searched;

private:
    static std::string Lower(std::string text)
    {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    }
    std::map<std::string, std::vector<std::string>> folders;
};

// A list that ignores letter case when looking up, as a list box does.
class FakeNameList : public INameList {
public:
    int FindExact(const std::string& text) override
    {
        for (size_t i = 0; i < items.size(); ++i) {
            const std::string& item = items[i];
            if (item.size() == text.size() &&
                std::equal(item.begin(), item.end(), text.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                }))
                return static_cast<int>(i);
        }
        return -1;
    }
    void Add(const std::string& text) override { items.push_back(text); }

    std::vector<std::string> items;
};
