// The options in the registry through the application's profile functions.
#pragma once
#include "os/SettingsStore.h"

class CWinApp;

class CRegistrySettingsStore : public ISettingsStore {
public:
    explicit CRegistrySettingsStore(const CWinApp& app) : app(app) {}

    int ReadInt(const std::string& section, const std::string& entry, int defaultValue) override;
    std::string ReadString(const std::string& section, const std::string& entry,
                           const std::string& defaultValue) override;
    std::string ReadUtf8String(const std::string& section, const std::string& entry) override;
    bool WriteInt(const std::string& section, const std::string& entry, int value) override;
    bool WriteString(const std::string& section, const std::string& entry,
                     const std::string& value) override;
    // Deletes ...\<application>\Config, then ...\<application>; the
    // registry key's own parent stays.
    bool RemoveAll() override;

private:
    const CWinApp& app;
};
