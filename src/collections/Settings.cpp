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
}  // namespace

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
    values.useTray = store.ReadInt(configSection, "UseTray", 1) != 0;
    values.autoStart = true;   // never read: only the Tray page and Exit write it
    values.showToolTips = store.ReadInt(configSection, "ShowToolTips", 1) != 0;
    values.useBlanker = store.ReadInt(configSection, "UseBlanker", 0) != 0;
    values.passwordOverride = store.ReadInt(configSection, "PasswordOverride", 0) != 0;
    values.blankerMinutes = store.ReadInt(configSection, "BlankerMinutes", 120);
    values.blankerName = store.ReadString(configSection, "BlankerName", "Blank Screen");
    values.saverPerMonitor = store.ReadInt(configSection, "SaverPerMonitor", 1) != 0;
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
    auto writeSwitch = [&](bool before, bool after, bool& value, const char* name) {
        if (before == after) return;
        value = after;
        stored = store.WriteInt(configSection, name, after ? 1 : 0) && stored;
    };
    // In the order in which the pages have always written them.
    writeSwitch(original.useTray, edited.useTray, values.useTray, "UseTray");
    writeSwitch(original.autoStart, edited.autoStart, values.autoStart, "AutoStart");
    writeSwitch(original.showToolTips, edited.showToolTips, values.showToolTips, "ShowToolTips");
    writeSwitch(original.useBlanker, edited.useBlanker, values.useBlanker, "UseBlanker");
    if (original.blankerMinutes != edited.blankerMinutes) {
        values.blankerMinutes = edited.blankerMinutes;
        stored = store.WriteInt(configSection, "BlankerMinutes", edited.blankerMinutes) && stored;
    }
    if (original.blankerName != edited.blankerName) {
        values.blankerName = edited.blankerName;
        stored = store.WriteString(configSection, "BlankerName", edited.blankerName) && stored;
    }
    writeSwitch(original.passwordOverride, edited.passwordOverride, values.passwordOverride, "PasswordOverride");
    writeSwitch(original.saverPerMonitor, edited.saverPerMonitor, values.saverPerMonitor, "SaverPerMonitor");

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
