#include "collections/Settings.h"

#include "base/TextPieces.h"

#include <algorithm>

namespace {
const char* const configSection = "Config";
const char* const foldersSection = "TombolixInternal";
const char* const foldersKey = "Folders";
constexpr char folderTerminator = '*';

bool Contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The stored list with the folders that the sheet removed taken out and
// those it added put at the end, once each.
std::vector<std::string> MergeFolders(const std::vector<std::string>& stored, const std::vector<std::string>& original,
                                      const std::vector<std::string>& edited)
{
    std::vector<std::string> merged;
    for (const std::string& folder : stored)
        if (!Contains(original, folder) || Contains(edited, folder)) merged.push_back(folder);
    for (const std::string& folder : edited)
        if (!Contains(original, folder) && !Contains(merged, folder)) merged.push_back(folder);
    return merged;
}

// Each stored option once: its registry value; the member it fills, which
// gives its type (a switch stored as 0 or 1, a number or a text); its
// default, which is that member's in ProgramOptions; whether a start reads
// it; and a number's range. In the order in which the pages have always
// written them.
struct StoredOption {
    const char* value;
    bool ProgramOptions::*flag = nullptr;
    int ProgramOptions::*number = nullptr;
    std::string ProgramOptions::*text = nullptr;
    bool read = true;
    NumberRange range{0, 0};
};
const StoredOption storedOptions[] = {
    {"UseTray", &ProgramOptions::useTray},
    // Never read: only the Tray page and Exit write it.
    {"AutoStart", &ProgramOptions::autoStart, nullptr, nullptr, false},
    {"ShowToolTips", &ProgramOptions::showToolTips},
    {"UseBlanker", &ProgramOptions::useBlanker},
    {"BlankerMinutes", nullptr, &ProgramOptions::blankerMinutes, nullptr, true, {0, 999}},
    {"BlankerName", nullptr, nullptr, &ProgramOptions::blankerName},
    {"PasswordOverride", &ProgramOptions::passwordOverride},
    {"SaverPerMonitor", &ProgramOptions::saverPerMonitor},
    {"FollowSchedule", &ProgramOptions::followSchedule},
    {"NoImmediateRepeat", &ProgramOptions::noImmediateRepeat},
};
}  // namespace

NumberRange RangeOf(int ProgramOptions::*number)
{
    for (const StoredOption& option : storedOptions)
        if (option.number == number) return option.range;
    return {0, 0};
}

CSettings::CSettings(ISettingsStore& store, IProfileFile& collectionsFile)
    : store(store), collectionsFile(collectionsFile)
{
    Reload();
}

CSettings::~CSettings() = default;

void CSettings::Reload()
{
    values = ProgramOptions();
    installFolder = store.ReadUtf8String(configSection, "InstallFolder");
    for (const StoredOption& option : storedOptions) {
        if (!option.read) continue;
        if (option.flag) values.*option.flag = store.ReadInt(configSection, option.value, values.*option.flag) != 0;
        if (option.number) values.*option.number = store.ReadInt(configSection, option.value, values.*option.number);
        if (option.text) values.*option.text = store.ReadString(configSection, option.value, values.*option.text);
    }
    ReadFolders();
}

StoreFailures CSettings::Apply(const ProgramOptions& original, ProgramOptions edited)
{
    FileChanges folders;
    StoreFailures failed = Apply(original, std::move(edited), folders);
    failed.collectionsFile = !collectionsFile.WriteChanges(folders);
    return failed;
}

StoreFailures CSettings::Apply(const ProgramOptions& original, ProgramOptions edited, FileChanges& fileChanges)
{
    Reload();
    bool stored = true;
    for (const StoredOption& option : storedOptions) {
        bool written = true;
        if (option.flag && original.*option.flag != edited.*option.flag) {
            values.*option.flag = edited.*option.flag;
            written = store.WriteInt(configSection, option.value, edited.*option.flag ? 1 : 0);
        } else if (option.number && original.*option.number != edited.*option.number) {
            values.*option.number = edited.*option.number;
            written = store.WriteInt(configSection, option.value, edited.*option.number);
        } else if (option.text && original.*option.text != edited.*option.text) {
            values.*option.text = edited.*option.text;
            written = store.WriteString(configSection, option.value, edited.*option.text);
        }
        stored = written && stored;
    }

    StoreFailures failed;
    failed.settingsStore = !stored;
    if (original.folders != edited.folders) {
        values.folders = MergeFolders(values.folders, original.folders, edited.folders);
        std::string value;
        for (const std::string& folder : values.folders) value += folder + folderTerminator;
        fileChanges.push_back({foldersSection, false, {{foldersKey, value}}});
    }
    return failed;
}

void CSettings::ReadFolders()
{
    values.folders.clear();
    std::string value = collectionsFile.ReadString(foldersSection, foldersKey, "");
    for (std::string& folder : SplitText(value, folderTerminator)) values.folders.push_back(std::move(folder));
}

StoreFailures CSettings::RemoveAllStoredSettings()
{
    StoreFailures failed;
    failed.settingsStore = !store.RemoveAll();
    failed.collectionsFile = !collectionsFile.Remove();
    return failed;
}

std::string ReadCurrentName(ISettingsStore& store)
{
    return store.ReadString(configSection, "Current", "Default");
}

bool WriteCurrentName(ISettingsStore& store, const std::string& name)
{
    return store.WriteString(configSection, "Current", name);
}
