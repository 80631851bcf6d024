#include "framework/RegistrySettingsStore.h"

#include "os/SystemServices.h"
#include "framework/WinApp.h"

int CRegistrySettingsStore::ReadInt(const std::string& section, const std::string& entry, int defaultValue)
{
    return app.GetProfileInt(section.c_str(), entry.c_str(), defaultValue);
}

std::string CRegistrySettingsStore::ReadString(const std::string& section, const std::string& entry,
                                               const std::string& defaultValue)
{
    return app.GetProfileString(section.c_str(), entry.c_str(), defaultValue.c_str());
}

std::string CRegistrySettingsStore::ReadUtf8String(const std::string& section, const std::string& entry)
{
    return app.GetProfileUtf8String(section.c_str(), entry.c_str());
}

bool CRegistrySettingsStore::WriteInt(const std::string& section, const std::string& entry, int value)
{
    return app.WriteProfileInt(section.c_str(), entry.c_str(), value);
}

bool CRegistrySettingsStore::WriteString(const std::string& section, const std::string& entry,
                                         const std::string& value)
{
    return app.WriteProfileString(section.c_str(), entry.c_str(), value.c_str());
}

bool CRegistrySettingsStore::RemoveAll()
{
    // The NT family deletes only keys without subkeys: innermost first.
    std::string appKey = app.GetAppRegistryPath();
    auto gone = [](LONG result) { return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND; };
    bool configGone = gone(DeleteRegistryKey(HKEY_CURRENT_USER, (appKey + "\\Config").c_str()));
    return gone(DeleteRegistryKey(HKEY_CURRENT_USER, appKey.c_str())) && configGone;
}
