#include "os/PrivateProfileFile.h"

#include "os/Win32FileSystem.h"

#include <windows.h>

namespace {
constexpr DWORD firstBufferSize = 16384;

// Reads with ever larger buffers until the result fits: the profile
// functions cut a value at size - 1 and a name list at size - 2 characters
// and say nothing.
std::string ReadWhole(const char* section, const char* key, const char* defaultValue, const char* fileName)
{
    const DWORD reserve = key ? 1 : 2;
    for (DWORD size = firstBufferSize;; size *= 2) {
        std::string buffer(size, '\0');
        DWORD length = GetPrivateProfileStringA(section, key, defaultValue, &buffer[0], size, fileName);
        if (length + reserve < size || size > 0x40000000) {
            buffer.resize(length);
            return buffer;
        }
    }
}
}  // namespace

std::string CPrivateProfileFile::ReadString(const std::string& section, const std::string& key,
                                            const std::string& defaultValue)
{
    CFileLockGuard held(lock);
    return ReadWhole(section.c_str(), key.c_str(), defaultValue.c_str(), fileName.c_str());
}

int CPrivateProfileFile::ReadInt(const std::string& section, const std::string& key, int defaultValue)
{
    CFileLockGuard held(lock);
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, fileName.c_str()));
}

std::vector<std::string> CPrivateProfileFile::ReadNameList(const char* section)
{
    CFileLockGuard held(lock);
    std::string list = ReadWhole(section, nullptr, "", fileName.c_str());
    // Names separated by zero bytes.
    std::vector<std::string> names;
    for (size_t at = 0; at < list.size();) {
        size_t end = list.find('\0', at);
        if (end == std::string::npos) end = list.size();
        if (end == at) break;
        names.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

std::vector<std::string> CPrivateProfileFile::ReadSectionNames()
{
    return ReadNameList(nullptr);
}

std::vector<std::string> CPrivateProfileFile::ReadKeyNames(const std::string& section)
{
    return ReadNameList(section.c_str());
}

bool CPrivateProfileFile::Write(const char* section, const char* key, const char* value)
{
    CFileLockGuard held(lock);
    if (held.Refused()) return false;
    // Windows refuses to write a read-only file; say so here too, whoever
    // runs the program.
    DWORD attributes = GetFileAttributesA(GetPath().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return WritePrivateProfileStringA(section, key, value, fileName.c_str()) != FALSE;
}

bool CPrivateProfileFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    return Write(section.c_str(), key.c_str(), value.c_str());
}

bool CPrivateProfileFile::DeleteKey(const std::string& section, const std::string& key)
{
    return Write(section.c_str(), key.c_str(), nullptr);
}

bool CPrivateProfileFile::DeleteSection(const std::string& section)
{
    return Write(section.c_str(), nullptr, nullptr);
}

std::string CPrivateProfileFile::GetPath() const
{
    return GetWindowsFolder() + "\\" + fileName;
}

bool CPrivateProfileFile::Remove()
{
    CFileLockGuard held(lock);
    if (held.Refused()) return false;
    // The profile functions may hold the file in a cache: write it out
    // first, so that nothing of it comes back after the deletion.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName.c_str());
    std::string path = GetPath();
    return DeleteFileA(path.c_str()) || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}
