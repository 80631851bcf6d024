#include "collections/OlderFileImport.h"

#include "collections/FileFinder.h"
#include "collections/SaverEntry.h"
#include "collections/StoredNames.h"
#include "base/TextPieces.h"

bool ImportOlderFile(IProfileFile& olderFile, IProfileFile& collectionsFile, IFileSystem& fileSystem)
{
    CFileFinder windowsFinder(fileSystem, fileSystem.WindowsFolder());
    CFileFinder systemFinder(fileSystem, fileSystem.SystemFolder());
    windowsFinder.Find("*.scr");
    systemFinder.Find("*.scr");

    // Every collection in one save.
    FileChanges changes;
    for (const std::string& section : olderFile.ReadSectionNames()) {
        changes.push_back({section, false, {}});
        int32_t counter = 0;
        for (const std::string& key : olderFile.ReadKeyNames(section)) {
            std::string value = olderFile.ReadString(section, key, "");
            if (value.empty() || key.empty()) continue;
            std::vector<std::string> pieces = SplitText(value, '\\');
            if (pieces.size() < 4) continue;

            std::string fileName = key + ".scr";
            std::string inSystem = systemFinder.MatchName(fileName);
            fileName = inSystem != fileName ? inSystem : windowsFinder.MatchName(fileName);
            // Only a lower-case extension is cut off.
            std::string name = fileName.substr(0, fileName.find(".scr"));
            // A key the new file would read back as another name, or a path.
            if (!IsOfferedSaverName(name)) continue;

            CSaverEntry entry(name);
            entry.SetLevel(ReadDecimal(pieces[1]));
            entry.SetDuration(ReadDecimal(pieces[2]));
            entry.SetSelected(ReadDecimal(pieces[3]) != 0);
            entry.SetOrder(counter++);
            changes.back().keys.push_back({name, entry.EncodeEntry()});
        }
    }
    return collectionsFile.WriteChanges(changes);
}
