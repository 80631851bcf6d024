#include "collections/FileFinder.h"

#include "base/TextPieces.h"

CFileFinder::CFileFinder(IFileSystem& fileSystem, const std::string& folder) : fileSystem(fileSystem)
{
    SetFolder(folder);
}

void CFileFinder::SetFolder(const std::string& text)
{
    folder = text;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
}

int CFileFinder::Find(const std::string& patterns)
{
    int appended = 0;
    for (const std::string& pattern : SplitText(patterns, ' ')) {
        std::string path = folder;
        if (path.empty() || path.back() != '\\') path += '\\';
        for (std::string& name : fileSystem.FindNames(path + pattern)) {
            found.push_back(std::move(name));
            ++appended;
        }
    }
    return appended;
}

std::string CFileFinder::DisplayName(const std::string& fileName)
{
    return fileName.size() < 4 ? fileName : fileName.substr(0, fileName.size() - 4);
}

int CFileFinder::FillList(INameList& list) const
{
    for (const std::string& name : found) {
        std::string display = DisplayName(name);
        if (list.FindExact(display) < 0) list.Add(display);
    }
    return static_cast<int>(found.size());
}

std::string CFileFinder::MatchName(const std::string& fileName) const
{
    std::string wanted = LowerCase(fileName);
    for (const std::string& name : found)
        if (LowerCase(name) == wanted) return name;
    return fileName;
}
