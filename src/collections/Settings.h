// The program's options (per user, in the settings store) and the list of
// extra folders searched for screen savers (in the collections file).
#pragma once
#include "os/ProfileFile.h"
#include "os/SettingsStore.h"

#include <string>
#include <vector>

class CSettings {
public:
    // Reads every value at once.
    CSettings(ISettingsStore& store, IProfileFile& collectionsFile);
    virtual ~CSettings() = default;

    const std::vector<std::string>& GetFolders() const { return folders; }
    void AddFolder(const std::string& folder) { folders.push_back(folder); }
    void RemoveFolder(size_t index);

    bool GetUseTray() const { return useTray; }
    void SetUseTray(bool on) { useTray = on; }
    bool GetAutoStart() const { return autoStart; }
    void SetAutoStart(bool on) { autoStart = on; }
    bool GetShowToolTips() const { return showToolTips; }
    void SetShowToolTips(bool on) { showToolTips = on; }
    bool GetUseBlanker() const { return useBlanker; }
    void SetUseBlanker(bool on) { useBlanker = on; }
    bool GetPasswordOverride() const { return passwordOverride; }
    void SetPasswordOverride(bool on) { passwordOverride = on; }
    const std::string& GetBlankerName() const { return blankerName; }
    void SetBlankerName(const std::string& name) { blankerName = name; }
    int GetBlankerMinutes() const { return blankerMinutes; }
    void SetBlankerMinutes(int minutes) { blankerMinutes = minutes; }
    const std::string& GetInstallFolder() const { return installFolder; }

    void WriteTraySettings();
    void WriteOptions();
    void WriteFolders();
    void ReadFolders();
    // Deletes the stored options and the collections file.
    void RemoveAllStoredSettings();

private:
    ISettingsStore& store;
    IProfileFile& collectionsFile;

    std::vector<std::string> folders;
    bool useTray = true;
    bool autoStart = true;
    bool showToolTips = true;
    bool useBlanker = false;
    bool passwordOverride = false;
    std::string blankerName = "Blank Screen";
    int blankerMinutes = 120;
    std::string installFolder;
};

// The name of the collection that the session uses.
std::string ReadCurrentName(ISettingsStore& store);
void WriteCurrentName(ISettingsStore& store, const std::string& name);
