#include "collections/Settings.h"

#include "collections/TextPieces.h"

namespace {
const char* const configSection = "Config";
const char* const foldersSection = "TombolixInternal";
const char* const foldersKey = "Folders";
constexpr size_t foldersBufferSize = 4096;
constexpr char folderTerminator = '*';
}

CSettings::CSettings(ISettingsStore& store, IProfileFile& collectionsFile)
    : store(store), collectionsFile(collectionsFile)
{
    installFolder = store.ReadString(configSection, "InstallFolder", "");
    useTray = store.ReadInt(configSection, "UseTray", 1) != 0;
    autoStart = true;   // never read: only the Tray page and Exit write it
    showToolTips = store.ReadInt(configSection, "ShowToolTips", 1) != 0;
    useBlanker = store.ReadInt(configSection, "UseBlanker", 0) != 0;
    passwordOverride = store.ReadInt(configSection, "PasswordOverride", 0) != 0;
    blankerMinutes = store.ReadInt(configSection, "BlankerMinutes", 120);
    blankerName = store.ReadString(configSection, "BlankerName", "Blank Screen");
    ReadFolders();
}

void CSettings::RemoveFolder(size_t index)
{
    if (index < folders.size()) folders.erase(folders.begin() + static_cast<std::ptrdiff_t>(index));
}

void CSettings::WriteTraySettings()
{
    store.WriteInt(configSection, "UseTray", useTray ? 1 : 0);
    store.WriteInt(configSection, "AutoStart", autoStart ? 1 : 0);
}

void CSettings::WriteOptions()
{
    store.WriteInt(configSection, "ShowToolTips", showToolTips ? 1 : 0);
    store.WriteInt(configSection, "UseBlanker", useBlanker ? 1 : 0);
    store.WriteInt(configSection, "BlankerMinutes", blankerMinutes);
    store.WriteString(configSection, "BlankerName", blankerName);
    store.WriteInt(configSection, "PasswordOverride", passwordOverride ? 1 : 0);
}

void CSettings::ReadFolders()
{
    std::string value = collectionsFile.ReadString(foldersSection, foldersKey, "", foldersBufferSize);
    for (std::string& folder : SplitText(value, folderTerminator)) folders.push_back(std::move(folder));
}

void CSettings::WriteFolders()
{
    std::string value;
    for (const std::string& folder : folders) value += folder + folderTerminator;
    collectionsFile.WriteString(foldersSection, foldersKey, value);
}

void CSettings::RemoveAllStoredSettings()
{
    store.RemoveAll();
    collectionsFile.Remove();
}

std::string ReadCurrentName(ISettingsStore& store)
{
    return store.ReadString(configSection, "Current", "Default");
}

void WriteCurrentName(ISettingsStore& store, const std::string& name)
{
    store.WriteString(configSection, "Current", name);
}
