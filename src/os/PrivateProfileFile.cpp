#include "os/PrivateProfileFile.h"

#include "os/Win32FileSystem.h"

#include <windows.h>

std::string CPrivateProfileFile::ReadString(const std::string& section, const std::string& key,
                                            const std::string& defaultValue, size_t bufferSize)
{
    std::string buffer(bufferSize, '\0');
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), &buffer[0],
                                            static_cast<DWORD>(bufferSize), fileName.c_str());
    buffer.resize(length);
    return buffer;
}

int CPrivateProfileFile::ReadInt(const std::string& section, const std::string& key, int defaultValue)
{
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, fileName.c_str()));
}

std::vector<std::string> CPrivateProfileFile::ReadNameList(const char* section, size_t bufferSize)
{
    std::string buffer(bufferSize, '\0');
    DWORD length = GetPrivateProfileStringA(section, nullptr, "", &buffer[0], static_cast<DWORD>(bufferSize),
                                            fileName.c_str());
    // Names separated by zero bytes; a cut-off list ends early.
    std::vector<std::string> names;
    for (size_t at = 0; at < length;) {
        size_t end = buffer.find('\0', at);
        if (end == std::string::npos || end > length) end = length;
        if (end == at) break;
        names.push_back(buffer.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

std::vector<std::string> CPrivateProfileFile::ReadSectionNames(size_t bufferSize)
{
    return ReadNameList(nullptr, bufferSize);
}

std::vector<std::string> CPrivateProfileFile::ReadKeyNames(const std::string& section, size_t bufferSize)
{
    return ReadNameList(section.c_str(), bufferSize);
}

void CPrivateProfileFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName.c_str());
}

void CPrivateProfileFile::DeleteKey(const std::string& section, const std::string& key)
{
    WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, fileName.c_str());
}

void CPrivateProfileFile::DeleteSection(const std::string& section)
{
    WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, fileName.c_str());
}

std::string CPrivateProfileFile::GetPath() const
{
    return GetWindowsFolder() + "\\" + fileName;
}

void CPrivateProfileFile::Remove()
{
    // The profile functions may hold the file in a cache: write it out
    // first, so that nothing of it comes back after the deletion.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName.c_str());
    DeleteFileA(GetPath().c_str());
}
